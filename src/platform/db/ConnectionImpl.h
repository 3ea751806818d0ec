#pragma once

#include "platform/db/ConnectionString.h"
#include "platform/db/JetSql.h"
#include "platform/db/Recordset.h"
#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// The state behind a Connection. Recordsets hold a weak reference to it for
// Requery, so it lives in a shared_ptr.
class ConnectionImpl : public std::enable_shared_from_this<ConnectionImpl> {
public:
    ~ConnectionImpl();

    void open(const QString& connectionString, bool readOnly);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3* db() const { return m_db; }

    // Runs Jet SQL; params == nullptr means nothing is bound.
    Recordset run(const QString& jetSql, const QList<Value>* params, long long* affected);
    void requery(RecordsetData& data);

    int beginTrans();
    void commitTrans();
    void rollbackTrans();
    int level() const { return m_level; }

    ConnectionString properties; // what was set or given last
    QString reportedString;      // while open

private:
    void ensureOpen() const;
    // Runs work that may find the file locked by another workstation; see
    // BusyRetry.
    void whileBusyAsk(bool reading, const std::function<void()>& work);
    void checkOpened(sqlite3* db, const QString& path);
    Recordset runOnce(const QString& jetSql, const JetTranslation& t, const QList<Value>* params, long long* affected);
    sqlite3_stmt* prepare(const std::string& sql, const QString& jetSql);
    void bindAll(sqlite3_stmt* stmt, const QList<Value>& params, const QString& jetSql);
    void clearCache();

    sqlite3* m_db = nullptr;
    QString m_file;
    bool m_readOnly = false;
    int m_level = 0;
    std::unordered_map<std::string, sqlite3_stmt*> m_cache;
};

} // namespace db
