#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QHeaderView;
class QLineEdit;

namespace widgets {

// One filter cell per column, kept over the column it belongs to while the
// columns are resized, moved or scrolled.
class NvListFilterRow : public QWidget {
    Q_OBJECT

public:
    NvListFilterRow(QHeaderView* header, QWidget* parent = nullptr);

    void SetCellCount(int count);
    int CellCount() const { return int(m_cells.size()); }
    QString Text(int column) const;
    void SetText(int column, const QString& text);
    QLineEdit* Cell(int column) const { return m_cells.value(column); }

    QSize sizeHint() const override;

public slots:
    // Places every cell over its column.
    void Relayout();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QHeaderView* m_header;
    QList<QLineEdit*> m_cells;
};

} // namespace widgets
