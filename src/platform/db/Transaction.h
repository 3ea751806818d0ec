#pragma once

namespace db {

class Connection;

// Begins a transaction (or a nested level) and rolls it back on destruction
// unless Commit() was called.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();
    void Rollback();
    bool isActive() const { return m_active; }

private:
    Connection& m_connection;
    bool m_active = false;
};

} // namespace db
