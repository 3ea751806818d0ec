#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// RAII prepared statement for the layer's own SQLite SQL (schema reads,
// DDL, files). Failures raise the matching Jet error.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql);
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void bind(int index, const QString& value);
    void bind(int index, qint64 value);
    // True on a row, false when done.
    bool step();

    QString text(int column) const;
    qint64 integer(int column) const;
    bool isNull(int column) const;

    // Runs one statement that returns no rows.
    static void exec(sqlite3* db, const QString& sql);

private:
    void prepare(const QByteArray& sql);

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace db
