#pragma once

#include <QString>

struct sqlite3;

namespace db {

class Connection;

// The existing file a Data Source names. Its name is matched without regard
// to case, as on the platform the data was made on; 3024 when there is none.
QString ExistingDatabaseFile(const QString& path);

// Creates an empty database file; fails (3204) when the file exists.
void CreateDatabase(const QString& path, const QString& password = {});

// Jet's CompactDatabase: compacts the database the source connection string
// names into the file the destination string names. Fails when the
// destination exists; the copy is written under a temporary name and renamed
// only when complete, so no half-written file ever has the final name. The
// destination gets the password of the destination string. AutoNumber
// counters restart after the highest stored key (1 on an emptied table).
void CompactDatabase(const QString& sourceConnectionString, const QString& destinationConnectionString);

// Compacts a closed database in place: the compacted copy is written beside
// it, verified with PRAGMA integrity_check and renamed over the live file.
// The live file is never removed before a verified copy exists.
// Accepts a connection string or a bare path.
void CompactInPlace(const QString& connectionStringOrPath);

// A consistent copy of an open database (SQLite backup API) into destPath,
// which must not exist.
void CopyOpenDatabase(Connection& connection, const QString& destPath);

// A verified backup copy of the database the source connection string names
// (opened read-only with its password) into destPath, which must not exist.
// The file is copied as it is, page by page (SQLite's online backup), inside
// one read transaction: other programs go on reading meanwhile, and a write
// under way is waited for as any read waits for one. Before the copy gets its
// name it must pass PRAGMA quick_check and hold, table by table, as many rows
// as the source in that same transaction; otherwise it is removed and
// NotRecognizedFormat (3343) raised. The copy is synced to disk. It keeps the
// source's password and counters (no compaction).
void BackupDatabase(const QString& sourceConnectionString, const QString& destPath);

// The first fault PRAGMA integrity_check finds in an open database, "" when
// it answers "ok" ("sin respuesta" when it answers nothing).
QString IntegrityProblem(sqlite3* db);

// Sets, changes or (with an empty password) removes the database password.
// This is access control checked at open, not encryption: the file itself is
// readable by any SQLite tool.
void SetDatabasePassword(Connection& connection, const QString& newPassword);
// The same on a closed file, which must open with oldPassword.
void SetDatabasePassword(const QString& path, const QString& oldPassword, const QString& newPassword);
// True when the file holds a password.
bool HasDatabasePassword(const QString& path);

// What is wrong with an existing file offered as a database, found without
// a password and without writing anything: no bytes, not a readable SQLite
// file (or shorter than its header says), or a sound SQLite file that this
// layer did not make. None also when the file cannot be read at all: opening
// it then reports why.
enum class DatabaseFileProblem { None, Empty, Damaged, Foreign };
DatabaseFileProblem ExamineDatabaseFile(const QString& path);

} // namespace db
