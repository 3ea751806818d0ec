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
class TextArena;

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
    using Columns = std::vector<Column>;

    // What a kept statement remembers of its columns from one run to the
    // next: names and types are read once, not at every open.
    struct KeptColumns {
        std::shared_ptr<const Columns> columns;
        int reprepares = -1;      // the statement's count when they were read
        bool hasExpressions = false;
    };

    // Reads every row of a reset statement; `kept` belongs to the statement.
    void load(sqlite3_stmt* stmt, KeptColumns& kept);
    Value valueAt(long row, int column) const;
    // Appends the values of `count` rows from `first` to out.
    void appendRows(long first, long count, std::vector<Value>& out) const;

    long rowCount() const { return m_store.rowCount(); }
    int columnCount() const { return m_columns ? int(m_columns->size()) : 0; }
    const Column& column(int index) const { return (*m_columns)[std::size_t(index)]; }
    int indexOf(const QString& name) const;

    long position = 0; // 0-based; -1 is BOF, rowCount() is EOF
    bool open = true;

    QString source;        // Jet SQL
    QList<Value> params;   // bound values, for Requery
    std::weak_ptr<ConnectionImpl> connection;

private:
    static std::shared_ptr<const Columns> readColumns(sqlite3_stmt* stmt, bool& hasExpressions);
    static void qualifyDuplicateNames(sqlite3_stmt* stmt, Columns& columns);
    void resolveExpressionTypes();
    Value toValue(const RowStore::Cell& cell, int column, TextArena* texts = nullptr) const;

    std::shared_ptr<const Columns> m_columns; // set by load
    RowStore m_store;
};

} // namespace db
