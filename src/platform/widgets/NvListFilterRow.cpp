#include "platform/widgets/NvListFilterRow.h"

#include <QHeaderView>
#include <QLineEdit>

namespace widgets {

NvListFilterRow::NvListFilterRow(QHeaderView* header, QWidget* parent) : QWidget(parent), m_header(header)
{
    connect(m_header, &QHeaderView::sectionResized, this, &NvListFilterRow::Relayout);
    connect(m_header, &QHeaderView::sectionMoved, this, &NvListFilterRow::Relayout);
    connect(m_header, &QHeaderView::geometriesChanged, this, &NvListFilterRow::Relayout);
}

void NvListFilterRow::SetCellCount(int count)
{
    while (m_cells.size() > count)
        delete m_cells.takeLast();
    while (m_cells.size() < count) {
        auto* cell = new QLineEdit(this);
        cell->setAccessibleName(tr("Filtro de la columna %1").arg(m_cells.size() + 1));
        cell->show();
        m_cells.append(cell);
    }
    Relayout();
}

QString NvListFilterRow::Text(int column) const
{
    return m_cells.at(column)->text();
}

void NvListFilterRow::SetText(int column, const QString& text)
{
    m_cells.at(column)->setText(text);
}

QSize NvListFilterRow::sizeHint() const
{
    return {QWidget::sizeHint().width(), QLineEdit().sizeHint().height()};
}

void NvListFilterRow::Relayout()
{
    // The header sits inside the view's frame: cells follow its offset.
    const int offset = m_header->mapTo(parentWidget(), QPoint(0, 0)).x() - pos().x();
    for (int i = 0; i < m_cells.size(); ++i) {
        QLineEdit* cell = m_cells.at(i);
        if (i >= m_header->count() || m_header->isSectionHidden(i)) {
            cell->hide();
            continue;
        }
        cell->setGeometry(offset + m_header->sectionViewportPosition(i), 0, m_header->sectionSize(i), height());
        cell->show();
    }
}

void NvListFilterRow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

} // namespace widgets
