#pragma once

#include "platform/db/JetTypes.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct sqlite3;

namespace db {

struct JetColumnDef {
    QString name;
    JetType type;
    bool primaryKey = false;
    bool notNull = false;
    bool unique = false;             // only while parsing DDL; kept as an index
    std::optional<QString> defaultSql; // SQLite expression
};

// The columns of one table, read from SQLite or built from Jet DDL, and the
// SQL that creates it with the Jet rules: text columns carry the JET
// collation and a width check, counters are AUTOINCREMENT keys.
class JetTableSchema {
public:
    // SQLite cannot make a table without columns; Jet can. Such a table holds
    // this one hidden column until its first real column is added.
    static constexpr const char* kPlaceholderColumn = "__duz_vacia";

    QString table;
    std::vector<JetColumnDef> columns;

    // Reads a table's layout; raises 3078 when there is no such table.
    static JetTableSchema read(sqlite3* db, const QString& table);
    static bool tableExists(sqlite3* db, const QString& table);

    // -1 when absent (names compare without regard to case).
    int indexOf(const QString& column) const;
    bool hasPrimaryKey() const;
    bool isPlaceholderOnly() const;

    QString createSql(const QString& asName) const;
    static QString columnSql(const JetColumnDef& c, bool singlePrimaryKey);

    // Yes/No columns keep -1/0 whatever non-zero value is written: two
    // triggers of the table rewrite other values. Called after every change
    // of the table's columns.
    void refreshYesNoTriggers(sqlite3* db) const;

    static QString quote(const QString& name);
};

} // namespace db
