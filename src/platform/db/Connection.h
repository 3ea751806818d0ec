#pragma once

#include "platform/db/DataTypes.h"
#include "platform/db/Recordset.h"
#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

struct sqlite3;

namespace db {

class ConnectionImpl;

// The ADO connection over the Jet provider, standing on a SQLite file.
// Every failure raises vb::VbError with a Jet-like number and a Spanish
// description (see DbErrors.h).
//
// Statements are Jet SQL: they are translated (JetSql) before they run.
// New code that handles user text binds values with Query/Exec instead of
// concatenating them.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(Connection&&) noexcept;
    Connection& operator=(Connection&&) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens "Provider=...;Data Source=<path>;...;Jet OLEDB:Database Password=<pw>".
    // The string replaces the properties; Open() with an empty string opens
    // what the properties set with setProperty describe.
    // "Mode=Read" (or 1) in the string opens read-only, as does readOnly.
    void Open(const QString& connectionString = {}, bool readOnly = false);
    void Close();
    ObjectState State() const;
    bool isOpen() const { return State() == ObjectState::Open; }

    // While open: the full connection string, with provider, data source and
    // password, in the form ADO reports it ("Data Source" is always followed by
    // a ";"). While closed: the string last given.
    QString ConnectionString() const;
    void setConnectionString(const QString& connectionString);

    // Connection properties by their ADO names ("Data Source",
    // "Jet OLEDB:Database Password", "Provider", "Mode"); names compare
    // without regard to letter case. Unknown names give "".
    QString Property(const QString& name) const;
    QStringList PropertyNames() const;
    void setProperty(const QString& name, const QString& value);

    // Runs one Jet SQL statement. A query returns an open recordset; any
    // other statement returns a closed one and stores the number of rows it
    // changed in *recordsAffected. A text holding a second statement fails.
    Recordset Execute(const QString& jetSql, long long* recordsAffected = nullptr);
    // The same with "?" placeholders bound, in order, to params.
    Recordset Query(const QString& jetSql, const QList<Value>& params);
    long long Exec(const QString& jetSql, const QList<Value>& params = {});

    long long LastInsertId() const;

    // What tells whether the database may have changed: this connection's
    // changes, the commits of every other connection, the schema's version.
    // While two stamps are equal nothing changed in between. One read of
    // the file's header, its statement kept prepared.
    std::array<qint64, 3> ChangeStamp();

    // Transactions nest as in ADO: BeginTrans returns the new level (1 for
    // the outermost); inner levels are savepoints.
    int BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const;
    int TransactionLevel() const;

    // Escape hatch for benchmarks and build tools only.
    sqlite3* handle();

private:
    std::shared_ptr<ConnectionImpl> d;
};

} // namespace db
