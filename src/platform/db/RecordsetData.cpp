#include "platform/db/RecordsetData.h"

#include "platform/db/DataTypes.h"
#include "platform/db/DbErrors.h"
#include "platform/db/JetTableSchema.h"

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

void RecordsetData::load(sqlite3_stmt* stmt)
{
    const int n = sqlite3_column_count(stmt);
    columns.clear();
    for (int c = 0; c < n; ++c) {
        const char* name = sqlite3_column_name(stmt, c);
        if (name && std::strcmp(name, JetTableSchema::kPlaceholderColumn) == 0)
            continue;
        Column col;
        col.name = QString::fromUtf8(name);
        const char* decl = sqlite3_column_decltype(stmt, c);
        col.type = JetTypes::fromDecl(decl);
        col.ado = col.type.ado;
        col.source = c;
        columns.push_back(std::move(col));
    }

    qualifyDuplicateNames(stmt);

    const int cols = int(columns.size());
    m_store.clear();
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            RaiseSqlite(sqlite3_db_handle(stmt), rc, source);
        m_store.beginRow();
        for (int k = 0; k < cols; ++k) {
            // The connection is single-threaded (no mutex), so the column's
            // own value can be read directly; this skips the per-call checks
            // of the sqlite3_column_* functions, a sizable share of a big open.
            sqlite3_value* v = sqlite3_column_value(stmt, columns[std::size_t(k)].source);
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

    // Expressions have no declared type: the first value tells.
    for (int k = 0; k < cols; ++k) {
        Column& col = columns[std::size_t(k)];
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
    position = 0;
}

// Jet names two result columns of one name "Table.Field".
void RecordsetData::qualifyDuplicateNames(sqlite3_stmt* stmt)
{
    // Names are renamed only once all are compared, so that both twins are found.
    std::vector<QString> qualified(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        bool duplicate = false;
        for (std::size_t j = 0; j < columns.size() && !duplicate; ++j)
            duplicate = j != i && columns[j].name.compare(columns[i].name, Qt::CaseInsensitive) == 0;
        if (!duplicate)
            continue;
        const char* table = sqlite3_column_table_name(stmt, columns[i].source);
        const char* origin = sqlite3_column_origin_name(stmt, columns[i].source);
        if (table && origin && columns[i].name == QString::fromUtf8(origin))
            qualified[i] = QString::fromUtf8(table) + u'.' + columns[i].name;
    }
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (!qualified[i].isEmpty())
            columns[i].name = qualified[i];
}

int RecordsetData::indexOf(const QString& name) const
{
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

void RecordsetData::appendRow(long row, std::vector<Value>& out) const
{
    std::vector<RowStore::Cell> cells(columns.size());
    m_store.row(row, int(columns.size()), cells.data());
    for (std::size_t c = 0; c < cells.size(); ++c)
        out.push_back(toValue(cells[c], int(c)));
}

Value RecordsetData::toValue(const RowStore::Cell& cell, int column) const
{
    const JetType::Class cls = columns[std::size_t(column)].type.cls;
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
    case RowStore::Text: return Value(QString::fromUtf8(cell.bytes.data(), qsizetype(cell.bytes.size())));
    case RowStore::Blob: return Value(QByteArray(cell.bytes.data(), qsizetype(cell.bytes.size())));
    }
    return {};
}

} // namespace db
