#pragma once

#include <QString>

struct sqlite3;

namespace db {

// The database password, kept as a salted, iterated SHA-256 hash in a
// private table of the file. It is access control checked when a connection
// opens, not encryption: SQLite tools read the file without it.
class DatabasePassword {
public:
    static constexpr const char* kTable = "__duz_clave";

    static bool isSet(sqlite3* db);
    static bool matches(sqlite3* db, const QString& password);
    // An empty password removes the protection.
    static void set(sqlite3* db, const QString& password);
};

} // namespace db
