#include "platform/db/RecordsetData.h"

#include "platform/db/DataTypes.h"
#include "platform/db/DbErrors.h"
#include "platform/db/JetTableSchema.h"
#include "platform/db/TextArena.h"

#include <cmath>
#include <cstring>
#include <sqlite3.h>

namespace db {
namespace {

int adoFromStorage(RowStore::Tag tag)
{
    switch (tag) {
    case RowStore::Int8:
    case RowStore::Int32:
    case RowStore::Int64: return adInteger;
    case RowStore::Float: return adDouble;
    case RowStore::Blob: return adLongVarBinary;
    default: return adVarWChar;
    }
}

} // namespace

void RecordsetData::load(sqlite3_stmt* stmt, KeptColumns& kept)
{
    m_store.clear();
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        RaiseSqlite(sqlite3_db_handle(stmt), rc, source);
    // A statement whose tables changed is prepared again inside its first
    // step, and only then can its columns differ from the last run's.
    const int reprepares = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
    if (!kept.columns || kept.reprepares != reprepares) {
        kept.columns = readColumns(stmt, kept.hasExpressions);
        kept.reprepares = reprepares;
    }
    m_columns = kept.columns;

    const Column* columns = m_columns->data();
    const int cols = int(m_columns->size());
    for (; rc == SQLITE_ROW; rc = sqlite3_step(stmt)) {
        m_store.beginRow();
        for (int k = 0; k < cols; ++k) {
            // The connection is single-threaded (no mutex), so the column's
            // own value can be read directly; this skips the per-call checks
            // of the sqlite3_column_* functions, a sizable share of a big open.
            sqlite3_value* v = sqlite3_column_value(stmt, columns[k].source);
            switch (sqlite3_value_type(v)) {
            case SQLITE_INTEGER: m_store.addInteger(sqlite3_value_int64(v)); break;
            case SQLITE_FLOAT: m_store.addFloat(sqlite3_value_double(v)); break;
            case SQLITE_TEXT: {
                const unsigned char* p = sqlite3_value_text(v);
                m_store.addBytes(RowStore::Text, p, std::size_t(sqlite3_value_bytes(v)));
                break;
            }
            case SQLITE_BLOB: {
                const void* p = sqlite3_value_blob(v);
                m_store.addBytes(RowStore::Blob, p, std::size_t(sqlite3_value_bytes(v)));
                break;
            }
            default: m_store.addNull(); break;
            }
        }
        m_store.endRow();
    }
    if (rc != SQLITE_DONE)
        RaiseSqlite(sqlite3_db_handle(stmt), rc, source);

    if (kept.hasExpressions)
        resolveExpressionTypes();
    position = 0;
}

std::shared_ptr<const RecordsetData::Columns> RecordsetData::readColumns(sqlite3_stmt* stmt, bool& hasExpressions)
{
    auto columns = std::make_shared<Columns>();
    const int n = sqlite3_column_count(stmt);
    columns->reserve(std::size_t(n));
    hasExpressions = false;
    for (int c = 0; c < n; ++c) {
        const char* name = sqlite3_column_name(stmt, c);
        if (name && std::strcmp(name, JetTableSchema::kPlaceholderColumn) == 0)
            continue;
        Column col;
        col.name = QString::fromUtf8(name);
        col.type = JetTypes::fromDecl(sqlite3_column_decltype(stmt, c));
        col.ado = col.type.ado;
        col.source = c;
        hasExpressions = hasExpressions || col.ado == 0;
        columns->push_back(std::move(col));
    }
    qualifyDuplicateNames(stmt, *columns);
    return columns;
}

// Expressions have no declared type: the first value of this result tells,
// so they get columns of their own, not the statement's.
void RecordsetData::resolveExpressionTypes()
{
    auto resolved = std::make_shared<Columns>(*m_columns);
    for (int k = 0; k < int(resolved->size()); ++k) {
        Column& col = (*resolved)[std::size_t(k)];
        if (col.ado != 0)
            continue;
        col.ado = adVarWChar;
        for (long r = 0; r < rowCount(); ++r) {
            const RowStore::Tag tag = m_store.cell(r, k).tag;
            if (tag != RowStore::Null) {
                col.ado = adoFromStorage(tag);
                break;
            }
        }
    }
    m_columns = std::move(resolved);
}

// Jet names two result columns of one name "Table.Field".
void RecordsetData::qualifyDuplicateNames(sqlite3_stmt* stmt, Columns& columns)
{
    // Names are renamed only once all are compared, so that both twins are found.
    std::vector<QString> qualified;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        bool duplicate = false;
        for (std::size_t j = 0; j < columns.size() && !duplicate; ++j)
            duplicate = j != i && columns[j].name.compare(columns[i].name, Qt::CaseInsensitive) == 0;
        if (!duplicate)
            continue;
        const char* table = sqlite3_column_table_name(stmt, columns[i].source);
        const char* origin = sqlite3_column_origin_name(stmt, columns[i].source);
        if (table && origin && columns[i].name == QString::fromUtf8(origin)) {
            qualified.resize(columns.size());
            qualified[i] = QString::fromUtf8(table) + u'.' + columns[i].name;
        }
    }
    for (std::size_t i = 0; i < qualified.size(); ++i)
        if (!qualified[i].isEmpty())
            columns[i].name = qualified[i];
}

int RecordsetData::indexOf(const QString& name) const
{
    if (!m_columns)
        return -1;
    const Columns& columns = *m_columns;
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    // A bare field name still finds the first "Table.Field" of that name.
    if (!name.contains(u'.'))
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QString& n = columns[i].name;
            const qsizetype dot = n.lastIndexOf(u'.');
            if (dot >= 0 && QStringView(n).mid(dot + 1).compare(name, Qt::CaseInsensitive) == 0)
                return int(i);
        }
    return -1;
}

Value RecordsetData::valueAt(long row, int column) const { return toValue(m_store.cell(row, column), column); }

void RecordsetData::appendRows(long first, long count, std::vector<Value>& out) const
{
    const int columns = columnCount();
    std::size_t textBudget = 0;
    for (long r = first; r < first + count; ++r)
        m_store.forEachCell(r, columns, [&](const RowStore::Cell& cell, int) {
            if (cell.tag == RowStore::Text)
                textBudget += TextArena::budget(cell.bytes.size());
        });
    TextArena texts(textBudget);
    for (long r = first; r < first + count; ++r)
        m_store.forEachCell(r, columns, [&](const RowStore::Cell& cell, int c) { out.push_back(toValue(cell, c, &texts)); });
}

Value RecordsetData::toValue(const RowStore::Cell& cell, int column, TextArena* texts) const
{
    const JetType::Class cls = (*m_columns)[std::size_t(column)].type.cls;
    switch (cell.tag) {
    case RowStore::Null: return {};
    case RowStore::Int8:
    case RowStore::Int32:
    case RowStore::Int64:
        switch (cls) {
        case JetType::Boolean: return Value(cell.i != 0);
        case JetType::Currency: return Value(vb::Currency::fromRaw(cell.i * 10000));
        case JetType::Double:
        case JetType::Numeric: return Value(double(cell.i));
        case JetType::Text:
        case JetType::Memo:
        case JetType::Date: return Value(QString::number(cell.i));
        default: return Value(qint64(cell.i));
        }
    case RowStore::Float:
        switch (cls) {
        case JetType::Boolean: return Value(cell.d != 0.0);
        case JetType::Currency: return Value(vb::Currency::fromDouble(cell.d));
        default: return Value(cell.d);
        }
    case RowStore::Text:
        if (texts)
            return Value(texts->text(cell.bytes));
        return Value(QString::fromUtf8(cell.bytes.data(), qsizetype(cell.bytes.size())));
    case RowStore::Blob: return Value(QByteArray(cell.bytes.data(), qsizetype(cell.bytes.size())));
    }
    return {};
}

} // namespace db
