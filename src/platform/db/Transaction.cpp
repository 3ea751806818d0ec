#include "platform/db/Transaction.h"

#include "platform/db/Connection.h"

namespace db {

Transaction::Transaction(Connection& connection) : m_connection(connection)
{
    m_connection.BeginTrans();
    m_active = true;
}

Transaction::~Transaction()
{
    if (!m_active)
        return;
    try {
        m_connection.RollbackTrans();
    } catch (...) {
        // A destructor must not throw; the connection ends the transaction on close.
    }
}

void Transaction::Commit()
{
    if (!m_active)
        return;
    m_connection.CommitTrans();
    m_active = false;
}

void Transaction::Rollback()
{
    if (!m_active)
        return;
    m_active = false;
    m_connection.RollbackTrans();
}

} // namespace db
