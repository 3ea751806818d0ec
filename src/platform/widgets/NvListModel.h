#pragma once

#include "platform/widgets/NvColumnKind.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace widgets {

// The rows of the page a record list shows, and its column captions. Rows
// added during a fill wait in a pending block and reach the views in one
// insertion when the fill ends, so a page of thousands of rows costs one
// notification instead of one per row.
class NvListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Row {
        QStringList cells;
        QString text;  // as given to AddRow
        qint32 id = 0;
        QString key;
    };

    explicit NvListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetColumnCount(int count);
    QString Caption(int column) const { return m_captions.value(column); }
    void SetCaption(int column, const QString& caption);
    NvColumnKind Kind(int column) const { return m_kinds.value(column, NvColumnKind::Text); }
    void SetKind(int column, NvColumnKind kind);
    // The longest texts of a column among every row, shown or pending.
    QSet<QString> LongestCells(int column) const;

    void Clear();
    void Append(const QString& text, qint32 id);
    void Append(const QStringList& cells, qint32 id);
    // Hands the pending rows to the views.
    void Flush();

    // Every row, shown or pending, by 0-based index.
    int TotalRows() const { return int(m_rows.size() + m_pending.size()); }
    const Row& RowAt(int row) const;
    Row& RowAt(int row);

private:
    QList<Row> m_rows;
    QList<Row> m_pending;
    QStringList m_captions;
    QList<NvColumnKind> m_kinds;
};

} // namespace widgets
