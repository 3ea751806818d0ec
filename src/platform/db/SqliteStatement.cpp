#include "platform/db/SqliteStatement.h"

#include "platform/db/DbErrors.h"

#include <sqlite3.h>

namespace db {

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) : m_db(db) { prepare(QByteArray(sql)); }

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql) : m_db(db) { prepare(sql.toUtf8()); }

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_stmt); }

void SqliteStatement::prepare(const QByteArray& sql)
{
    const int rc = sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        RaiseSqlite(m_db, rc, QString::fromUtf8(sql));
}

void SqliteStatement::bind(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::bind(int index, qint64 value) { sqlite3_bind_int64(m_stmt, index, value); }

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    RaiseSqlite(m_db, rc);
}

QString SqliteStatement::text(int column) const
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, column)) : QString();
}

qint64 SqliteStatement::integer(int column) const { return sqlite3_column_int64(m_stmt, column); }

bool SqliteStatement::isNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

void SqliteStatement::exec(sqlite3* db, const QString& sql)
{
    SqliteStatement st(db, sql);
    while (st.step()) {
    }
}

} // namespace db
