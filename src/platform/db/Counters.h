#pragma once

#include <QString>
#include <QtGlobal>

namespace db {

class Connection;

// AutoNumber keys are never reused: the file remembers the highest key each
// table has handed out (SQLite keeps it in sqlite_sequence), beyond its rows.
// Table names compare without regard to case.

// The highest key the table's counter has handed out; 0 when the file holds
// none for it.
qint64 StoredCounter(Connection& con, const QString& table);

// Forgets it, as compacting an emptied table does: the next key is 1.
void ResetCounter(Connection& con, const QString& table);

} // namespace db
