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
    return {};
}

QVariant NvListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_captions.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void NvListModel::SetColumnCount(int count)
{
    const int old = int(m_captions.size());
    if (count == old)
        return;
    if (count > old) {
        beginInsertColumns({}, old, count - 1);
        while (m_captions.size() < count)
            m_captions.append(QString());
        endInsertColumns();
    } else {
        beginRemoveColumns({}, count, old - 1);
        m_captions.resize(count);
        endRemoveColumns();
    }
}

void NvListModel::SetCaption(int column, const QString& caption)
{
    m_captions[column] = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
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
