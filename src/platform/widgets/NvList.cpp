#include "platform/widgets/NvList.h"

#include "platform/vb/Twips.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/NvListFilterRow.h"
#include "platform/widgets/NvListModel.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace widgets {
namespace {

int VbButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

[[noreturn]] void ThrowBadIndex()
{
    throw vb::VbError(NvList::ErrIndicePropiedad, QStringLiteral("Índice de matriz de propiedades no válido"));
}

int VbShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

NvList::NvList(QWidget* parent)
    : QWidget(parent), m_model(new NvListModel(this)), m_view(new QTableView(this))
{
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setSectionsMovable(false);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_view->viewport()->installEventFilter(this);

    m_filtros = new NvListFilterRow(m_view->horizontalHeader(), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_filtros);
    layout->addWidget(m_view);

    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, m_filtros, &NvListFilterRow::Relayout);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this, &NvList::OnSectionResized);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current.row()); });
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit DblClick();
    });
}

NvList::~NvList() = default;

void NvList::ClearRows()
{
    const QScopedValueRollback filling(m_filling, true);
    m_model->Clear();
}

void NvList::AddRow(const QString& text, qint32 id)
{
    m_model->Append(text, id);
}

void NvList::AddRow(const QStringList& cells, qint32 id)
{
    m_model->Append(cells, id);
}

void NvList::EndFill()
{
    const QScopedValueRollback filling(m_filling, true);
    m_model->Flush();
    // The values a column must show whole are known only now.
    ApplyWidths(false);
}

int NvList::ColumnCount() const
{
    return m_model->columnCount();
}

void NvList::SetColumnCount(int count)
{
    if (count < 0 || count > 255)
        vb::ThrowOverflow();
    m_model->SetColumnCount(count);
    m_widths.resize(count);
    m_keys.resize(count);
    m_filtros->SetCellCount(count);
    for (int i = 0; i < count; ++i)
        ApplyWidth(i);
}

qint16 NvList::ColumnWidth(int column) const
{
    CheckColumn(column);
    return m_widths.at(column);
}

void NvList::SetColumnWidth(int column, qint16 twips)
{
    CheckColumn(column);
    m_widths[column] = twips;
    ApplyWidth(column);
}

QString NvList::ColumnCaption(int column) const
{
    CheckColumn(column);
    return m_model->Caption(column);
}

void NvList::SetColumnCaption(int column, const QString& caption)
{
    CheckColumn(column);
    m_model->SetCaption(column, caption);
    ApplyWidth(column);
}

QString NvList::ColumnKey(int column) const
{
    CheckColumn(column);
    return m_keys.at(column);
}

void NvList::SetColumnKey(int column, const QString& key)
{
    CheckColumn(column);
    if (m_keys.at(column) == key)
        return;
    m_keys[column] = key;
    // A text typed for another node's column would filter this one.
    m_filtros->SetText(column, QString());
    SetColumnKind(column, NvColumnKind::Text);
}

NvColumnKind NvList::ColumnKind(int column) const
{
    CheckColumn(column);
    return m_model->Kind(column);
}

void NvList::SetColumnKind(int column, NvColumnKind kind)
{
    CheckColumn(column);
    if (m_model->Kind(column) == kind)
        return;
    m_model->SetKind(column, kind);
    ApplyWidth(column);
}

int NvList::RowCount() const
{
    return m_model->TotalRows();
}

QString NvList::RowKey(int row) const
{
    // No row selected reads as no record, which the menus rely on.
    if (row == -1)
        return {};
    CheckRow(row);
    return m_model->RowAt(row).key;
}

void NvList::SetRowKey(int row, const QString& key)
{
    CheckRow(row);
    m_model->RowAt(row).key = key;
}

qint32 NvList::RowId(int row) const
{
    CheckRow(row);
    return m_model->RowAt(row).id;
}

QString NvList::RowText(int row) const
{
    CheckRow(row);
    return m_model->RowAt(row).text;
}

QString NvList::CellText(int row, int column) const
{
    CheckRow(row);
    return m_model->RowAt(row).cells.value(column);
}

int NvList::CurrentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void NvList::SetCurrentRow(int row)
{
    m_model->Flush();
    if (row != -1)
        CheckRow(row);
    // Only the user's selection raises RowSelected.
    const QScopedValueRollback filling(m_filling, true);
    m_view->setCurrentIndex(row == -1 ? QModelIndex() : m_model->index(row, 0));
}

QString NvList::FilterText(int column) const
{
    CheckColumn(column);
    return m_filtros->Text(column);
}

void NvList::SetFilterText(int column, const QString& text)
{
    CheckColumn(column);
    m_filtros->SetText(column, text);
}

bool NvList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        emit MouseUp(VbButton(mouse->button()), VbShift(mouse->modifiers()), vb::PixelsToTwipsX(p.x()),
                     vb::PixelsToTwipsY(p.y()));
    }
    return QWidget::eventFilter(watched, event);
}

void NvList::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The view and its header may take the new font after this widget.
    if (event->type() == QEvent::FontChange)
        QMetaObject::invokeMethod(this, [this] { ApplyWidths(true); }, Qt::QueuedConnection);
}

void NvList::CheckColumn(int column) const
{
    if (column < 0 || column >= ColumnCount())
        ThrowBadIndex();
}

void NvList::CheckRow(int row) const
{
    if (row < 0 || row >= RowCount())
        ThrowBadIndex();
}

// The stored widths were chosen for another font: a column is drawn wider
// than its width when its header or its values would be cut.
void NvList::ApplyWidth(int column)
{
    const QScopedValueRollback settingWidth(m_settingWidth, true);
    const int stored = qMax(0, vb::TwipsToPixelsX(m_widths.at(column)));
    m_view->horizontalHeader()->resizeSection(column, qMax(stored, MinimumWidth(column)));
}

void NvList::ApplyWidths(bool textColumnsToo)
{
    for (int i = 0; i < ColumnCount(); ++i) {
        if (textColumnsToo || m_model->Kind(i) != NvColumnKind::Text)
            ApplyWidth(i);
    }
}

int NvList::HeaderWidth(int column) const
{
    const QHeaderView* cabecera = m_view->horizontalHeader();
    AnchosCabecera& anchos = m_anchosCabecera;
    if (anchos.style != cabecera->style() || anchos.font != cabecera->font())
        anchos = {cabecera->font(), cabecera->style(), {}};
    const QString titulo = m_model->Caption(column);
    const auto it = anchos.porTitulo.constFind(titulo);
    if (it != anchos.porTitulo.cend())
        return *it;
    const int ancho = cabecera->sectionSizeHint(column);
    anchos.porTitulo.insert(titulo, ancho);
    return ancho;
}

int NvList::MinimumWidth(int column) const
{
    int minimum = HeaderWidth(column);
    const NvColumnKind kind = m_model->Kind(column);
    if (kind == NvColumnKind::Text)
        return minimum;
    if (kind == NvColumnKind::Date)
        minimum = qMax(minimum, CellWidth(QStringLiteral("00/00/0000")));
    // Numbers, amounts, dates and words are digits and a few short words:
    // the longest texts are the widest.
    for (const QString& cell : m_model->LongestCells(column))
        minimum = qMax(minimum, CellWidth(cell));
    return minimum;
}

// The style keeps a margin on either side of a cell's text, and the grid
// line takes the last pixel of the column. Advances are fractional: the text
// is cut as soon as it needs part of one more pixel.
int NvList::CellWidth(const QString& text) const
{
    const int margin = m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    const int advance = int(std::ceil(QFontMetricsF(m_view->font()).horizontalAdvance(text)));
    return advance + 2 * margin + (m_view->showGrid() ? 1 : 0);
}

// Widths are kept in twips as given, so that a width read back unchanged is
// the one that was set: only a resize by the user converts from pixels. The
// user may narrow a column down to what it needs, no further.
void NvList::OnSectionResized(int column, int, int newSize)
{
    if (m_settingWidth || column >= m_widths.size())
        return;
    const int minimum = MinimumWidth(column);
    if (newSize < minimum) {
        const QScopedValueRollback settingWidth(m_settingWidth, true);
        m_view->horizontalHeader()->resizeSection(column, minimum);
        newSize = minimum;
    }
    m_widths[column] = qint16(qBound(0, vb::PixelsToTwipsX(newSize), 32767));
}

void NvList::OnCurrentChanged(int row)
{
    if (!m_filling && row >= 0)
        emit RowSelected();
}

} // namespace widgets
