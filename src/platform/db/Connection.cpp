#include "platform/db/Connection.h"

#include "platform/db/ConnectionImpl.h"
#include "platform/db/DbErrors.h"

#include <sqlite3.h>

namespace db {

Connection::Connection() : d(std::make_shared<ConnectionImpl>()) {}
Connection::~Connection() = default;
Connection::Connection(Connection&&) noexcept = default;
Connection& Connection::operator=(Connection&&) noexcept = default;

void Connection::Open(const QString& connectionString, bool readOnly) { d->open(connectionString, readOnly); }

void Connection::Close() { d->close(); }

ObjectState Connection::State() const { return d->isOpen() ? ObjectState::Open : ObjectState::Closed; }

QString Connection::ConnectionString() const
{
    if (d->isOpen())
        return d->reportedString;
    return d->properties.keys().isEmpty() ? QString() : d->properties.toReportedString();
}

void Connection::setConnectionString(const QString& connectionString)
{
    if (d->isOpen())
        RaiseConnection(err::ObjectOpen);
    d->properties = db::ConnectionString::parse(connectionString);
}

QString Connection::Property(const QString& name) const { return d->properties.value(name); }

QStringList Connection::PropertyNames() const
{
    QStringList names{db::ConnectionString::kProvider, db::ConnectionString::kDataSource, db::ConnectionString::kMode,
                      db::ConnectionString::kPassword};
    for (const QString& key : d->properties.keys())
        if (!names.contains(key, Qt::CaseInsensitive))
            names << key;
    return names;
}

void Connection::setProperty(const QString& name, const QString& value) { d->properties.set(name, value); }

Recordset Connection::Execute(const QString& jetSql, long long* recordsAffected)
{
    return d->run(jetSql, nullptr, recordsAffected);
}

Recordset Connection::Query(const QString& jetSql, const QList<Value>& params) { return d->run(jetSql, &params, nullptr); }

long long Connection::Exec(const QString& jetSql, const QList<Value>& params)
{
    long long affected = 0;
    d->run(jetSql, &params, &affected);
    return affected;
}

long long Connection::LastInsertId() const { return d->isOpen() ? sqlite3_last_insert_rowid(d->db()) : 0; }

std::array<qint64, 3> Connection::ChangeStamp() { return d->changeStamp(); }

int Connection::BeginTrans() { return d->beginTrans(); }
void Connection::CommitTrans() { d->commitTrans(); }
void Connection::RollbackTrans() { d->rollbackTrans(); }
bool Connection::InTransaction() const { return d->level() > 0; }
int Connection::TransactionLevel() const { return d->level(); }

sqlite3* Connection::handle() { return d->db(); }

} // namespace db
