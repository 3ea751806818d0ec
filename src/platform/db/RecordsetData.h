#pragma once

#include "platform/db/JetTypes.h"
#include "platform/db/RowStore.h"
#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace db {

class ConnectionImpl;

// The rows of an open recordset, copied out of SQLite when it opens (see
// RowStore). Cells keep SQLite's storage and become Values only when read,
// which keeps opening a large result close to the cost of stepping through it.
class RecordsetData {
public:
    struct Column {
        QString name;
        JetType type;   // from the declared type; Unknown for expressions
        int ado = 0;    // resolved ADO type (expressions: from their values)
        int source = 0; // column index in the statement
    };

    // Reads every row of a stepped-to-start statement.
    void load(sqlite3_stmt* stmt);
    Value valueAt(long row, int column) const;
    // Appends the values of one row to out.
    void appendRow(long row, std::vector<Value>& out) const;

    long rowCount() const { return m_store.rowCount(); }
    int columnCount() const { return int(columns.size()); }
    int indexOf(const QString& name) const;

    std::vector<Column> columns;
    long position = 0; // 0-based; -1 is BOF, rowCount() is EOF
    bool open = true;

    QString source;        // Jet SQL
    QList<Value> params;   // bound values, for Requery
    std::weak_ptr<ConnectionImpl> connection;

private:
    void qualifyDuplicateNames(sqlite3_stmt* stmt);
    Value toValue(const RowStore::Cell& cell, int column) const;

    RowStore m_store;
};

} // namespace db
