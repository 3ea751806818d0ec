#include "platform/widgets/NvListModel.h"

namespace widgets {
namespace {

// The row text holds the cells separated by tabs and ends in one blank that
// is no part of the last cell.
QStringList SplitCells(const QString& text)
{
    QString body = text;
    if (body.endsWith(u' '))
        body.chop(1);
    return body.split(u'\t');
}

bool RightAligned(NvColumnKind kind)
{
    return kind == NvColumnKind::Number || kind == NvColumnKind::Amount;
}

QVariant Alignment(NvColumnKind kind)
{
    if (RightAligned(kind))
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

} // namespace

NvListModel::NvListModel(QObject* parent) : QAbstractTableModel(parent) {}

int NvListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int NvListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_captions.size());
}

QVariant NvListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_rows.at(index.row()).cells.value(index.column());
    if (role == Qt::TextAlignmentRole)
        return Alignment(Kind(index.column()));
    return {};
}

QVariant NvListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_captions.value(section);
    // A header stands over its values.
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole && RightAligned(Kind(section)))
        return Alignment(Kind(section));
    return QAbstractTableModel::headerData(section, orientation, role);
}

void NvListModel::SetColumnCount(int count)
{
    const int old = int(m_captions.size());
    if (count == old)
        return;
    if (count > old) {
        beginInsertColumns({}, old, count - 1);
        m_captions.resize(count);
        m_kinds.resize(count, NvColumnKind::Text);
        endInsertColumns();
    } else {
        beginRemoveColumns({}, count, old - 1);
        m_captions.resize(count);
        m_kinds.resize(count);
        endRemoveColumns();
    }
}

void NvListModel::SetCaption(int column, const QString& caption)
{
    m_captions[column] = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void NvListModel::SetKind(int column, NvColumnKind kind)
{
    if (m_kinds.at(column) == kind)
        return;
    m_kinds[column] = kind;
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, column), index(int(m_rows.size()) - 1, column), {Qt::TextAlignmentRole});
}

QSet<QString> NvListModel::LongestCells(int column) const
{
    qsizetype longest = 0;
    QSet<QString> found;
    const auto consider = [&](const Row& row) {
        const QString cell = row.cells.value(column);
        if (cell.size() > longest) {
            longest = cell.size();
            found.clear();
        }
        if (cell.size() == longest && !cell.isEmpty())
            found.insert(cell);
    };
    for (const Row& row : m_rows)
        consider(row);
    for (const Row& row : m_pending)
        consider(row);
    return found;
}

void NvListModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_pending.clear();
    endResetModel();
}

void NvListModel::Append(const QString& text, qint32 id)
{
    m_pending.append({SplitCells(text), text, id, QString()});
}

void NvListModel::Append(const QStringList& cells, qint32 id)
{
    m_pending.append({cells, cells.join(u'\t') + u' ', id, QString()});
}

void NvListModel::Flush()
{
    if (m_pending.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(m_pending.size()) - 1);
    m_rows.append(std::move(m_pending));
    m_pending.clear();
    endInsertRows();
}

const NvListModel::Row& NvListModel::RowAt(int row) const
{
    return row < m_rows.size() ? m_rows.at(row) : m_pending.at(row - m_rows.size());
}

NvListModel::Row& NvListModel::RowAt(int row)
{
    return row < m_rows.size() ? m_rows[row] : m_pending[row - m_rows.size()];
}

} // namespace widgets
