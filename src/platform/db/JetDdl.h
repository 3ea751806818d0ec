#pragma once

#include "platform/db/JetSql.h"

#include <QString>

struct sqlite3;

namespace db {

// Runs Jet DDL on SQLite: CREATE TABLE (also without columns), ALTER TABLE
// ADD / ALTER / DROP COLUMN, DROP TABLE, CREATE / DROP INDEX. Changes that
// SQLite cannot make in place (a column's type, default or key, a key or
// counter column added, a column dropped) rebuild the table: copy into a new
// table, swap, recreate its indexes and triggers. Each statement runs inside
// a savepoint, so it is all-or-nothing and joins the caller's transaction.
class JetDdl {
public:
    static void execute(sqlite3* db, const QString& jetSql, JetStatementKind kind);
};

} // namespace db
