// The record list filter end to end: typed texts become bound conditions on
// the node's query, the whole result shows as one page, and the filter
// survives record commands until another node is clicked.

#include "ListaFixture.h"
#include "ReportesGrabados.h"

#include "platform/ui/UiConstants.h"
#include "platform/widgets/NvList.h"
#include "support/TestEnvironment.h"

namespace {

constexpr int kBancos = 2;
constexpr int kInstituciones = 3;
constexpr int kLibrosBautismo = 22;
constexpr int kPartidasBautismo = 23;

class FiltrarNvList : public ListaFixture {
protected:
    // Banks whose names hold the characters a careless filter mistakes for
    // SQL or pattern syntax.
    void BancosConComodines()
    {
        Banco(QStringLiteral("0001"), QStringLiteral("Caja \"Rural\""));
        Banco(QStringLiteral("0002"), QStringLiteral("Caja Rural"));
        Banco(QStringLiteral("0003"), QStringLiteral("Al 50% seguro"));
        Banco(QStringLiteral("0004"), QStringLiteral("Al 50 seguro"));
        Banco(QStringLiteral("0005"), QStringLiteral("Banco_1"));
        Banco(QStringLiteral("0006"), QStringLiteral("Banco 1"));
        Banco(QStringLiteral("0007"), QStringLiteral("O'Donnell [sucursal]"));
    }

    QStringList Nombres() const
    {
        QStringList n;
        for (int r = 0; r < ventana.lista.RowCount(); ++r)
            n << ventana.lista.CellText(r, 1);
        return n;
    }

    void Filtrar(int columna, const QString& texto)
    {
        ventana.lista.SetFilterText(columna, texto);
        lista->tbPrincipal_ButtonClick(QStringLiteral("Filtro"));
    }
};

struct CasoTexto {
    const char* texto;
    QStringList nombres;
};

class FiltroTexto : public FiltrarNvList, public ::testing::WithParamInterface<CasoTexto> {};

TEST_P(FiltroTexto, FindsTheTypedCharactersLiterally)
{
    BancosConComodines();
    Clic(kBancos);
    Filtrar(1, QString::fromUtf8(GetParam().texto));
    EXPECT_EQ(Nombres(), GetParam().nombres);
    EXPECT_TRUE(mblnFiltrado);
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Textos, FiltroTexto,
    ::testing::Values(CasoTexto{"\"", {"Caja \"Rural\""}},
                      CasoTexto{"caja \"rural\"", {"Caja \"Rural\""}},
                      CasoTexto{"rural", {"Caja \"Rural\"", "Caja Rural"}},
                      CasoTexto{"50%", {"Al 50% seguro"}},
                      CasoTexto{"co_", {"Banco_1"}},
                      CasoTexto{"o'd", {"O'Donnell [sucursal]"}},
                      CasoTexto{"[sucursal]", {"O'Donnell [sucursal]"}},
                      CasoTexto{"*", {}},
                      CasoTexto{"  banco 1  ", {"Banco 1"}}));

// A lone surrogate cannot be stored: it is written as "?", which a pattern
// built before that conversion would take for "any one character".
TEST_F(FiltrarNvList, ALoneSurrogateIsSearchedAsTheTextItIsStoredAs)
{
    BancosConComodines();
    Banco(QStringLiteral("0008"), QStringLiteral("Caja") + QChar(0xD800) + QStringLiteral("Rural"));
    Clic(kBancos);
    Filtrar(1, QStringLiteral("caja") + QChar(0xDC00) + QStringLiteral("rural"));
    EXPECT_EQ(Nombres(), QStringList {QStringLiteral("Caja?Rural")});
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

TEST_F(FiltrarNvList, AllCellsEmptyShowTheWholeResultAsOnePage)
{
    for (int i = 1; i <= 40; ++i)
        Banco(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("B%1").arg(i));
    Clic(kBancos);
    ASSERT_EQ(ventana.lista.RowCount(), 24);
    lista->tbPrincipal_ButtonClick(QStringLiteral("Filtro"));
    EXPECT_EQ(ventana.lista.RowCount(), 40);
    EXPECT_EQ(ventana.TextoPanel(2), QStringLiteral("Registros desde: 1 hasta: 40"));
    EXPECT_TRUE(mblnFiltrado);
    EXPECT_EQ(Registro(kBancos).PosInicial(), 1);
}

TEST_F(FiltrarNvList, TypedTextsStayAsTyped)
{
    BancosConComodines();
    Clic(kBancos);
    ventana.lista.SetFilterText(0, QStringLiteral(" 000 "));
    Filtrar(1, QStringLiteral("  Caja "));
    EXPECT_EQ(ventana.lista.FilterText(0), QStringLiteral(" 000 "));
    EXPECT_EQ(ventana.lista.FilterText(1), QStringLiteral("  Caja "));
    EXPECT_EQ(ventana.lista.RowCount(), 2);
}

// A text typed for the banks' names would otherwise sit under the
// institutions' phone numbers, and "Filtro" would search those for it.
TEST_F(FiltrarNvList, TextsTypedForOneListAreNotLeftUnderAnother)
{
    BancosConComodines();
    conLocal.Exec(QStringLiteral("INSERT INTO Institucion (Nombre, Telefono) VALUES ('Parroquia', '900')"));
    Clic(kInstituciones);
    const int instituciones = ventana.lista.RowCount();
    ASSERT_GT(instituciones, 0);

    Clic(kBancos);
    ventana.lista.SetFilterText(1, QStringLiteral("Zzzz"));
    Clic(kInstituciones);
    for (int i = 0; i < ventana.lista.ColumnCount(); ++i)
        EXPECT_EQ(ventana.lista.FilterText(i), QString()) << i;
    lista->tbPrincipal_ButtonClick(QStringLiteral("Filtro"));
    EXPECT_EQ(ventana.lista.RowCount(), instituciones);

    // Within one list the texts stay: typed and not yet applied, across a
    // reload; applied, across the filter's own rebuilding of the columns.
    Clic(kBancos);
    ventana.lista.SetFilterText(1, QStringLiteral("rural"));
    lista->mnuVerActualizarLista_Click();
    EXPECT_EQ(ventana.lista.FilterText(1), QStringLiteral("rural"));
    lista->tbPrincipal_ButtonClick(QStringLiteral("Filtro"));
    EXPECT_EQ(ventana.lista.FilterText(1), QStringLiteral("rural"));
    EXPECT_EQ(Nombres(), (QStringList{"Caja \"Rural\"", "Caja Rural"}));
}

TEST_F(FiltrarNvList, TheFilterOutlivesReloadsAndPagingButNotAClick)
{
    for (int i = 1; i <= 30; ++i)
        Banco(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), i == 7 ? QStringLiteral("Elegido") : QStringLiteral("B%1").arg(i));
    Clic(kBancos);
    Filtrar(1, QStringLiteral("Elegido"));
    ASSERT_EQ(Nombres(), QStringList{"Elegido"});

    conLocal.Exec(QStringLiteral("INSERT INTO Banco (Codigo, Nombre) VALUES ('0099', 'Elegido otra vez')"));
    lista->mnuVerActualizarLista_Click();
    EXPECT_EQ(Nombres(), (QStringList{"Elegido", "Elegido otra vez"}));

    // Paging shows the node's own query and leaves the filter set.
    lista->tbPrincipal_ButtonClick(QStringLiteral("firstReg"));
    EXPECT_EQ(ventana.lista.RowCount(), 24);
    EXPECT_TRUE(mblnFiltrado);
    lista->mnuVerActualizarLista_Click();
    EXPECT_EQ(ventana.lista.RowCount(), 2);

    Clic(kBancos);
    EXPECT_FALSE(mblnFiltrado);
    EXPECT_EQ(ventana.lista.RowCount(), 24);
}

TEST_F(FiltrarNvList, AFormulaColumnRefusesAnyText)
{
    conLocal.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
    conLocal.Exec(QStringLiteral("INSERT INTO Libro_Bautismo (CodInstitucion, Nombre) VALUES (1, 'Libro 1')"));
    Clic(kLibrosBautismo);
    ASSERT_EQ(ventana.lista.ColumnCaption(5), QStringLiteral("Total de partidas"));
    ventana.lista.SetFilterText(0, QStringLiteral("Parroquia"));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Filtrar(5, QStringLiteral("3"));
    const auto mensaje = testsupport::scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.text, QStringLiteral("¡El campo 'Total de partidas' no está habilitado para hacer búsquedas!"));
    EXPECT_EQ(mensaje.icon, ui::vbInformation);
    EXPECT_EQ(mensaje.caption, QStringLiteral("Norvia Parvanta 2000"));
    EXPECT_EQ(testsupport::scriptedUi().beepCount(), 1);
    EXPECT_FALSE(mblnFiltrado);
    EXPECT_EQ(ventana.lista.RowCount(), 1);
    EXPECT_EQ(ventana.lista.FilterText(5), QStringLiteral("3"));
}

TEST_F(FiltrarNvList, NumbersDatesAndYesNoWordsFilterTheirColumns)
{
    conLocal.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
    conLocal.Exec(QStringLiteral("INSERT INTO Libro_Bautismo (CodInstitucion, Nombre, Nuevo) VALUES (1, 'Libro 1', True)"));
    for (int k = 1; k <= 4; ++k) {
        conLocal.Exec(QStringLiteral("INSERT INTO Bautismo (CodLibro, Folio, Numero, Anulada, FechaBautismo) "
                                     "VALUES (1, ?, ?, ?, ?)"),
                      {k * 10, QString::number(k), k == 3, QStringLiteral("2006010%1").arg(k)});
        conLocal.Exec(QStringLiteral("INSERT INTO Bautismo_Hijo (CodBautismo, Nombre) VALUES (?, ?)"),
                      {k, QStringLiteral("Hijo %1").arg(k)});
    }
    Clic(kPartidasBautismo);
    ASSERT_EQ(ventana.lista.RowCount(), 4);
    const auto filtrar = [&](int columna, const char* texto) {
        for (int i = 0; i < ventana.lista.ColumnCount(); ++i)
            ventana.lista.SetFilterText(i, QString());
        Filtrar(columna, QString::fromUtf8(texto));
        QStringList hijos;
        for (int r = 0; r < ventana.lista.RowCount(); ++r)
            hijos << ventana.lista.CellText(r, 5);
        return hijos;
    };
    EXPECT_EQ(filtrar(3, "20"), QStringList{"Hijo 2"});             // Folio, a number
    EXPECT_EQ(filtrar(8, "2/1/2006"), QStringList{"Hijo 2"});       // FechaBautismo
    EXPECT_EQ(filtrar(9, "Si"), QStringList{"Hijo 3"});             // Anulada
    EXPECT_EQ(filtrar(9, "no"), (QStringList{"Hijo 1", "Hijo 2", "Hijo 4"}));
    EXPECT_EQ(filtrar(9, "SÍ"), QStringList{});
    EXPECT_EQ(filtrar(2, "nuevo"), (QStringList{"Hijo 1", "Hijo 2", "Hijo 3", "Hijo 4"}));
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

struct CasoAviso {
    int columna;
    const char* texto;
    const char* mensaje;
};

class FiltroAviso : public FiltrarNvList, public ::testing::WithParamInterface<CasoAviso> {};

TEST_P(FiltroAviso, WarnsAndStops)
{
    conLocal.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
    Clic(kPartidasBautismo);
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Filtrar(GetParam().columna, QString::fromUtf8(GetParam().texto));
    const auto mensaje = testsupport::scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.text, QString::fromUtf8(GetParam().mensaje));
    EXPECT_EQ(mensaje.icon, ui::vbExclamation);
    EXPECT_FALSE(mblnFiltrado);
}

INSTANTIATE_TEST_SUITE_P(Avisos, FiltroAviso,
                         ::testing::Values(CasoAviso{3, "diez", "¡Debe introducir un valor numérico para el campo 'Folio'!"},
                                           CasoAviso{8, "30/02/2006",
                                                     "¡Debe introducir una fecha válida para el campo 'Fecha'!"}));

TEST_F(FiltrarNvList, AFailingQueryIsReportedAndLeavesTheFlag)
{
    BancosConComodines();
    Clic(kBancos);
    ReportesGrabados grabados;
    Nodo(kBancos)->SetSQLSelect(QStringLiteral("SELECT Codigo, Nombre, IDBanco FROM NoExiste"));
    Filtrar(1, QStringLiteral("caja"));
    ASSERT_EQ(grabados.reportes.size(), 1);
    EXPECT_EQ(grabados.reportes.first().procedimiento, QStringLiteral("FiltrarNvList()"));
    EXPECT_EQ(grabados.reportes.first().modulo, QStringLiteral("frmPrincipal"));
    EXPECT_EQ(grabados.reportes.first().proyecto, QStringLiteral("Norvia Parvanta 2000"));
    EXPECT_FALSE(mblnFiltrado);
}

TEST_F(FiltrarNvList, AQueryThatCannotBeMergedIsReportedTwice)
{
    Clic(kBancos);
    ReportesGrabados grabados;
    Nodo(kBancos)->SetSQLSelect(QStringLiteral("SHOW Banco"));
    Filtrar(1, QStringLiteral("caja"));
    ASSERT_EQ(grabados.reportes.size(), 2);
    EXPECT_EQ(grabados.reportes.at(0).procedimiento, QStringLiteral("TratarSentenciaSQL"));
    EXPECT_EQ(grabados.reportes.at(1).procedimiento, QStringLiteral("FiltrarNvList()"));
    EXPECT_FALSE(mblnFiltrado);
}

TEST_F(FiltrarNvList, NothingHappensOnAHiddenList)
{
    BancosConComodines();
    Clic(kBancos);
    ventana.SetPanelVisible(PanelPrincipal::msgPrincipal, false);
    Filtrar(1, QStringLiteral("caja"));
    EXPECT_FALSE(mblnFiltrado);
    EXPECT_EQ(ventana.lista.RowCount(), 7);
}

TEST_F(FiltrarNvList, AResultBeyondThePageLimitOverflows)
{
    conLocal.BeginTrans();
    for (int i = 1; i <= 32768; ++i)
        conLocal.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES (?)"), {QStringLiteral("I%1").arg(i)});
    conLocal.CommitTrans();
    Clic(kInstituciones);
    ReportesGrabados grabados;
    lista->tbPrincipal_ButtonClick(QStringLiteral("Filtro"));
    ASSERT_EQ(grabados.reportes.size(), 1);
    EXPECT_EQ(grabados.reportes.first().numero, 6);
    EXPECT_EQ(ventana.lista.RowCount(), 32767);
    EXPECT_FALSE(mblnFiltrado);
}

} // namespace
