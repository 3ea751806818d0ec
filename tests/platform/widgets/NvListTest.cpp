#include "platform/vb/Twips.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/NvList.h"
#include "platform/widgets/NvListFilterRow.h"
#include "support/ErrorNumber.h"

#include <QAbstractItemDelegate>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using widgets::NvColumnKind;
using widgets::NvList;

namespace {

class NvListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lista.resize(600, 300);
        lista.SetColumnCount(3);
        for (int i = 0; i < 3; ++i) {
            lista.SetColumnCaption(i, QStringLiteral("Col %1").arg(i));
            lista.SetColumnKey(i, QString::number(10 + i));
            lista.SetColumnWidth(i, 1500);
        }
    }

    void Llenar(int filas)
    {
        for (int r = 0; r < filas; ++r) {
            lista.AddRow(QStringLiteral("a%1\tb%1\tc%1 ").arg(r), 100 + r);
            lista.SetRowKey(r, QString::number(100 + r));
        }
        lista.EndFill();
    }

    QPoint CentroFila(int fila) const
    {
        return lista.View()->visualRect(lista.View()->model()->index(fila, 0)).center();
    }

    int Dibujado(int columna) const { return lista.View()->horizontalHeader()->sectionSize(columna); }

    // What the view's own delegate says a cell needs, and the grid line.
    int NecesitaCelda(int fila, int columna) const
    {
        QStyleOptionViewItem opcion;
        opcion.initFrom(lista.View());
        opcion.font = lista.View()->font();
        opcion.widget = lista.View();
        const QModelIndex celda = lista.View()->model()->index(fila, columna);
        return lista.View()->itemDelegate()->sizeHint(opcion, celda).width() + 1;
    }

    // A header's text between the style's margins.
    int NecesitaCabecera(int columna) const
    {
        QHeaderView* cabecera = lista.View()->horizontalHeader();
        const int margen = cabecera->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, cabecera);
        return QFontMetrics(cabecera->font()).horizontalAdvance(lista.ColumnCaption(columna)) + 2 * margen;
    }

    // Columns of a book list at its stored widths, far too narrow for the
    // font: a free text, a date, an amount, a word and a number.
    void ColumnasEstrechas()
    {
        const struct {
            const char* caption;
            NvColumnKind clase;
        } columnas[] = {{"Institución", NvColumnKind::Text},
                        {"Fecha de creación", NvColumnKind::Date},
                        {"Importe total", NvColumnKind::Amount},
                        {"Estado", NvColumnKind::Word},
                        {"Total de partidas", NvColumnKind::Number}};
        lista.SetColumnCount(5);
        for (int i = 0; i < 5; ++i) {
            lista.SetColumnWidth(i, 400);
            lista.SetColumnCaption(i, QString::fromUtf8(columnas[i].caption));
            lista.SetColumnKey(i, QString::number(50 + i));
            lista.SetColumnKind(i, columnas[i].clase);
        }
        lista.AddRow(QStringLiteral("Parroquia de San Miguel Arcángel\t26/10/1999\t1.234.567,89\tAbierto\t7 "), 1);
        lista.AddRow(QStringLiteral("Parroquia\t---\t5,00\tCerrado\t1234 "), 2);
        lista.EndFill();
    }

    NvList lista;
};

TEST_F(NvListTest, ColumnsKeepCaptionsKeysAndExactTwips)
{
    // 1510 twips is no whole number of pixels: it must still read back as set.
    lista.SetColumnWidth(1, 1510);
    EXPECT_EQ(lista.ColumnCount(), 3);
    EXPECT_EQ(lista.ColumnCaption(2), QStringLiteral("Col 2"));
    EXPECT_EQ(lista.ColumnKey(0), QStringLiteral("10"));
    EXPECT_EQ(lista.ColumnWidth(1), 1510);
    EXPECT_EQ(lista.View()->horizontalHeader()->sectionSize(1), vb::TwipsToPixelsX(1510));
    EXPECT_EQ(lista.View()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Col 2"));
}

TEST_F(NvListTest, BadIndexesAndTooManyColumnsRaise)
{
    using testsupport::ErrorNumberOf;
    EXPECT_EQ(ErrorNumberOf([&] { lista.ColumnWidth(3); }), NvList::ErrIndicePropiedad);
    EXPECT_EQ(ErrorNumberOf([&] { lista.SetColumnCaption(-1, {}); }), NvList::ErrIndicePropiedad);
    EXPECT_EQ(ErrorNumberOf([&] { lista.RowKey(0); }), NvList::ErrIndicePropiedad);
    EXPECT_EQ(ErrorNumberOf([&] { lista.SetColumnCount(256); }), vb::ErrOverflow);
    EXPECT_EQ(lista.ColumnCount(), 3);
}

TEST_F(NvListTest, RowsSplitIntoCellsWithTheirIdsAndKeys)
{
    Llenar(2);
    ASSERT_EQ(lista.RowCount(), 2);
    EXPECT_EQ(lista.RowText(1), QStringLiteral("a1\tb1\tc1 "));
    EXPECT_EQ(lista.CellText(1, 2), QStringLiteral("c1"));  // the final blank is no part of the cell
    EXPECT_EQ(lista.RowId(1), 101);
    EXPECT_EQ(lista.RowKey(0), QStringLiteral("100"));
    EXPECT_EQ(lista.View()->model()->data(lista.View()->model()->index(0, 1)).toString(), QStringLiteral("b0"));
}

TEST_F(NvListTest, RowsReachTheViewWhenTheFillEnds)
{
    lista.AddRow(QStringLiteral("x\ty\tz "), 1);
    lista.SetRowKey(0, QStringLiteral("1"));
    EXPECT_EQ(lista.RowCount(), 1);
    EXPECT_EQ(lista.View()->model()->rowCount(), 0);
    QSignalSpy insertadas(lista.View()->model(), &QAbstractItemModel::rowsInserted);
    lista.EndFill();
    EXPECT_EQ(lista.View()->model()->rowCount(), 1);
    EXPECT_EQ(insertadas.count(), 1);
    lista.EndFill();  // also with nothing added
    EXPECT_EQ(insertadas.count(), 1);
}

TEST_F(NvListTest, ClearRowsKeepsColumnsAndFilterTexts)
{
    Llenar(3);
    lista.SetFilterText(1, QStringLiteral(" Pérez "));
    lista.ClearRows();
    EXPECT_EQ(lista.RowCount(), 0);
    EXPECT_EQ(lista.ColumnCount(), 3);
    EXPECT_EQ(lista.FilterText(1), QStringLiteral(" Pérez "));
}

TEST_F(NvListTest, FilterCellsFollowTheColumns)
{
    EXPECT_EQ(lista.FilterRow()->CellCount(), 3);
    lista.SetFilterText(2, QStringLiteral("abc"));
    lista.SetColumnCount(4);
    EXPECT_EQ(lista.FilterRow()->CellCount(), 4);
    EXPECT_EQ(lista.FilterText(2), QStringLiteral("abc"));
    EXPECT_EQ(lista.FilterText(3), QString());
    lista.SetColumnCount(2);
    EXPECT_EQ(lista.FilterRow()->CellCount(), 2);
}

// "Zzzz" typed for one node's list must not stay under another node's
// column, where the filter would search that column for it.
TEST_F(NvListTest, AColumnGivenAnotherKeyLosesItsFilterTextAndKind)
{
    lista.SetFilterText(0, QStringLiteral("Zzzz"));
    lista.SetFilterText(1, QStringLiteral("abc"));
    lista.SetColumnKind(0, NvColumnKind::Date);
    lista.SetColumnKind(1, NvColumnKind::Amount);
    lista.SetColumnKey(0, QStringLiteral("77"));
    lista.SetColumnKey(1, QStringLiteral("11"));  // the key it had: the same column
    EXPECT_EQ(lista.FilterText(0), QString());
    EXPECT_EQ(lista.ColumnKind(0), NvColumnKind::Text);
    EXPECT_EQ(lista.FilterText(1), QStringLiteral("abc"));
    EXPECT_EQ(lista.ColumnKind(1), NvColumnKind::Amount);
}

TEST_F(NvListTest, NarrowColumnsAreDrawnWideEnoughButReadBackAsStored)
{
    ColumnasEstrechas();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(lista.ColumnWidth(i), 400) << i;
        EXPECT_GE(Dibujado(i), NecesitaCabecera(i)) << i;
    }
    // Free text may be cut; dates, amounts, words and numbers never.
    EXPECT_LT(Dibujado(0), NecesitaCelda(0, 0));
    for (int fila = 0; fila < 2; ++fila) {
        for (int i = 1; i < 5; ++i)
            EXPECT_GE(Dibujado(i), NecesitaCelda(fila, i)) << fila << ", " << i;
    }
    // A column wide enough is drawn at its own width.
    lista.SetColumnWidth(1, 4000);
    EXPECT_EQ(Dibujado(1), vb::TwipsToPixelsX(4000));
}

TEST_F(NvListTest, ADateColumnFitsADateBeforeAnyRowArrives)
{
    lista.SetColumnCaption(0, QStringLiteral("F"));
    lista.AddRow(QStringLiteral("00/00/0000\tb\tc "), 1);
    lista.AddRow(QStringLiteral("28/08/2088\tb\tc "), 2);
    lista.EndFill();
    const int necesita = qMax(NecesitaCelda(0, 0), NecesitaCelda(1, 0));
    lista.ClearRows();
    lista.SetColumnWidth(0, 300);
    lista.SetColumnKind(0, NvColumnKind::Date);
    lista.EndFill();  // an empty page
    EXPECT_GE(Dibujado(0), necesita);
    EXPECT_EQ(lista.ColumnWidth(0), 300);
}

TEST_F(NvListTest, ABiggerFontWidensTheColumnsThatNeedIt)
{
    ColumnasEstrechas();
    QFont grande = lista.font();
    grande.setPointSizeF(grande.pointSizeF() * 2);
    lista.setFont(grande);
    QCoreApplication::sendPostedEvents();
    for (int i = 1; i < 5; ++i)
        EXPECT_GE(Dibujado(i), NecesitaCelda(0, i)) << i;
    EXPECT_GE(Dibujado(0), NecesitaCabecera(0));
    EXPECT_EQ(lista.ColumnWidth(1), 400);
}

TEST_F(NvListTest, NumbersAndAmountsAreRightAligned)
{
    const struct {
        NvColumnKind clase;
        bool derecha;
    } casos[] = {{NvColumnKind::Text, false},
                 {NvColumnKind::Word, false},
                 {NvColumnKind::Date, false},
                 {NvColumnKind::Number, true},
                 {NvColumnKind::Amount, true}};
    Llenar(1);
    QAbstractItemModel* modelo = lista.View()->model();
    for (const auto& c : casos) {
        lista.SetColumnKind(2, c.clase);
        const auto celda = Qt::Alignment(modelo->index(0, 2).data(Qt::TextAlignmentRole).toInt());
        const auto cabecera = Qt::Alignment(modelo->headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        EXPECT_EQ(bool(celda & Qt::AlignRight), c.derecha) << int(c.clase);
        EXPECT_EQ(bool(cabecera & Qt::AlignRight), c.derecha) << int(c.clase);
    }
}

TEST_F(NvListTest, FilterCellsSitOverTheirColumns)
{
    lista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
    QHeaderView* cabecera = lista.View()->horizontalHeader();
    for (int i = 0; i < 3; ++i) {
        QLineEdit* celda = lista.FilterRow()->Cell(i);
        const int x = cabecera->mapTo(&lista, QPoint(cabecera->sectionViewportPosition(i), 0)).x();
        EXPECT_EQ(celda->mapTo(&lista, QPoint(0, 0)).x(), x);
        EXPECT_EQ(celda->width(), cabecera->sectionSize(i));
    }
}

TEST_F(NvListTest, CurrentRowIsMinusOneWithoutSelectionAndItsKeyEmpty)
{
    Llenar(2);
    EXPECT_EQ(lista.CurrentRow(), -1);
    EXPECT_EQ(lista.RowKey(lista.CurrentRow()), QString());
    lista.SetCurrentRow(1);
    EXPECT_EQ(lista.CurrentRow(), 1);
}

TEST_F(NvListTest, UserSelectionRaisesRowSelectedButCodeDoesNot)
{
    Llenar(3);
    lista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
    QSignalSpy seleccion(&lista, &NvList::RowSelected);
    lista.SetCurrentRow(0);
    lista.ClearRows();
    Llenar(3);
    EXPECT_EQ(seleccion.count(), 0);
    QTest::mouseClick(lista.View()->viewport(), Qt::LeftButton, {}, CentroFila(2));
    EXPECT_EQ(seleccion.count(), 1);
    EXPECT_EQ(lista.CurrentRow(), 2);
}

TEST_F(NvListTest, DoubleClickAndMouseUpReachTheOwner)
{
    Llenar(2);
    lista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
    QSignalSpy doble(&lista, &NvList::DblClick);
    QSignalSpy soltar(&lista, &NvList::MouseUp);
    QTest::mouseClick(lista.View()->viewport(), Qt::RightButton, Qt::ShiftModifier, CentroFila(1));
    ASSERT_EQ(soltar.count(), 1);
    EXPECT_EQ(soltar.at(0).at(0).toInt(), 2);
    EXPECT_EQ(soltar.at(0).at(1).toInt(), 1);
    EXPECT_EQ(soltar.at(0).at(3).toInt(), vb::PixelsToTwipsY(CentroFila(1).y()));
    EXPECT_EQ(lista.CurrentRow(), 1);  // a right click selects the row under it
    // A double click is a press, a release and the double click event.
    QTest::mouseClick(lista.View()->viewport(), Qt::LeftButton, {}, CentroFila(0));
    QTest::mouseDClick(lista.View()->viewport(), Qt::LeftButton, {}, CentroFila(0));
    EXPECT_EQ(doble.count(), 1);
}

TEST_F(NvListTest, UserResizeIsReadBackInTwips)
{
    lista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
    // A resize that does not come from SetColumnWidth is the user's.
    lista.View()->horizontalHeader()->resizeSection(0, 160);
    EXPECT_EQ(lista.ColumnWidth(0), vb::PixelsToTwipsX(160));
    EXPECT_EQ(lista.ColumnWidth(1), 1500);
}

TEST_F(NvListTest, TheUserNarrowsAColumnDownToWhatItNeedsAndNoFurther)
{
    ColumnasEstrechas();
    lista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
    QHeaderView* cabecera = lista.View()->horizontalHeader();
    cabecera->resizeSection(1, 300);
    cabecera->resizeSection(1, 5);
    EXPECT_GE(Dibujado(1), NecesitaCelda(0, 1));
    EXPECT_EQ(lista.ColumnWidth(1), vb::PixelsToTwipsX(Dibujado(1)));
    // A free text column may be narrowed to its header.
    cabecera->resizeSection(0, 5);
    EXPECT_GE(Dibujado(0), NecesitaCabecera(0));
    EXPECT_LT(Dibujado(0), NecesitaCelda(0, 0));
    EXPECT_EQ(lista.ColumnWidth(0), vb::PixelsToTwipsX(Dibujado(0)));
}

} // namespace
