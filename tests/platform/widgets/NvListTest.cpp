#include "platform/vb/Twips.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/NvList.h"
#include "platform/widgets/NvListFilterRow.h"
#include "support/ErrorNumber.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

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

    NvList lista;
};

TEST_F(NvListTest, ColumnsKeepCaptionsKeysAndExactTwips)
{
    // 800 twips is no whole number of pixels: it must still read back as set.
    lista.SetColumnWidth(1, 800);
    EXPECT_EQ(lista.ColumnCount(), 3);
    EXPECT_EQ(lista.ColumnCaption(2), QStringLiteral("Col 2"));
    EXPECT_EQ(lista.ColumnKey(0), QStringLiteral("10"));
    EXPECT_EQ(lista.ColumnWidth(1), 800);
    EXPECT_EQ(lista.View()->horizontalHeader()->sectionSize(1), vb::TwipsToPixelsX(800));
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
    lista.View()->horizontalHeader()->resizeSection(0, 40);
    EXPECT_EQ(lista.ColumnWidth(0), vb::PixelsToTwipsX(40));
    EXPECT_EQ(lista.ColumnWidth(1), 1500);
}

} // namespace
