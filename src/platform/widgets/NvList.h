#pragma once

#include "platform/widgets/NvColumnKind.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>

class QTableView;

namespace widgets {

class NvListModel;
class NvListFilterRow;

// The paged record list of the maker's control library: columns with a key,
// a caption and a width in twips, one row per record with its id and key,
// and a filter cell over every column. It holds only the rows of the page
// being shown; its owner reads pages from the database and adds them.
//
// Column indexes are 0-based and fit a byte; row indexes are 0-based. An
// index outside the columns or rows raises vb::VbError 381, a column count
// above 255 vb::VbError 6 (overflow).
class NvList : public QWidget {
    Q_OBJECT

public:
    static constexpr long ErrIndicePropiedad = 381;

    explicit NvList(QWidget* parent = nullptr);
    ~NvList() override;

    // Removes every row (columns and filter texts stay).
    void ClearRows();
    // Appends a row: cells separated by tabs and one blank after the last.
    void AddRow(const QString& text, qint32 id);
    // Appends a row given cell by cell: any character of a value (a tab
    // included) stays in its own cell. Its row text joins the cells as above.
    void AddRow(const QStringList& cells, qint32 id);
    // Ends a fill: the rows added since become visible.
    void EndFill();

    int ColumnCount() const;
    void SetColumnCount(int count);
    // Width in twips: what was set, or the user's width once they resize.
    // A column is drawn at that width, or wider when its header needs more
    // in the current font, or (for the kinds never cut) its values do.
    qint16 ColumnWidth(int column) const;
    void SetColumnWidth(int column, qint16 twips);
    QString ColumnCaption(int column) const;
    void SetColumnCaption(int column, const QString& caption);
    QString ColumnKey(int column) const;
    // A column given another key is another column: its filter text and
    // its kind are cleared.
    void SetColumnKey(int column, const QString& key);
    // Text until set; a new column is Text.
    NvColumnKind ColumnKind(int column) const;
    void SetColumnKind(int column, NvColumnKind kind);

    int RowCount() const;
    // The record id of a row as a text; "" when none was set.
    QString RowKey(int row) const;
    void SetRowKey(int row, const QString& key);
    qint32 RowId(int row) const;
    QString RowText(int row) const;
    QString CellText(int row, int column) const;

    // The row the user selected; -1 when none.
    int CurrentRow() const;
    void SetCurrentRow(int row);

    QString FilterText(int column) const;
    void SetFilterText(int column, const QString& text);

    // The control's own visibility flag, whether or not its window is shown.
    bool Visible() const { return !isHidden(); }

    QTableView* View() const { return m_view; }
    NvListFilterRow* FilterRow() const { return m_filtros; }

signals:
    // The user selected a row.
    void RowSelected();
    // The user double-clicked a row.
    void DblClick();
    // A mouse button was released over the rows: button 1 left, 2 right,
    // 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x and y in twips.
    void MouseUp(int button, int shift, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CheckColumn(int column) const;
    void CheckRow(int row) const;
    void ApplyWidth(int column);
    void ApplyWidths(bool textColumnsToo);
    int MinimumWidth(int column) const;
    int HeaderWidth(int column) const;
    int CellWidth(const QString& text) const;
    void OnSectionResized(int column, int oldSize, int newSize);
    void OnCurrentChanged(int row);

    NvListModel* m_model;
    QTableView* m_view;
    NvListFilterRow* m_filtros;
    QList<qint16> m_widths;
    QStringList m_keys;
    bool m_settingWidth = false;
    bool m_filling = false;
    // What a header needs for each caption, measured once for the header's
    // font and style: a page shown sets every column again.
    struct AnchosCabecera {
        QFont font;
        const QStyle* style = nullptr;
        QHash<QString, int> porTitulo;
    };
    mutable AnchosCabecera m_anchosCabecera;
};

} // namespace widgets
