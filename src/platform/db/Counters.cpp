#include "platform/db/Counters.h"

#include "platform/db/Connection.h"
#include "platform/db/JetTableSchema.h"

namespace db {
namespace {

// The file has no counter table until its first AUTOINCREMENT key.
bool HasCounters(Connection& con) { return JetTableSchema::tableExists(con.handle(), QStringLiteral("sqlite_sequence")); }

} // namespace

qint64 StoredCounter(Connection& con, const QString& table)
{
    if (!HasCounters(con))
        return 0;
    Recordset rs = con.Query(QStringLiteral("SELECT MAX(seq) FROM sqlite_sequence WHERE UCase(name) = UCase(?)"), {table});
    if (rs.isEOF())
        return 0;
    const Value seq = rs.value(0);
    return seq.isNull() ? 0 : seq.toInt64();
}

void ResetCounter(Connection& con, const QString& table)
{
    if (HasCounters(con))
        con.Exec(QStringLiteral("DELETE FROM sqlite_sequence WHERE UCase(name) = UCase(?)"), {table});
}

} // namespace db
