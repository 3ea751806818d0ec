// The record list of the main window driven through its controller over a
// seeded program folder: pages, node clicks, reload, paging and list events.

#include "ListaFixture.h"
#include "ReportesGrabados.h"

#include "navigation/ClavesNodo.h"
#include "platform/db/Transaction.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/NvList.h"
#include "recordlist/ConsultaPaginada.h"
#include "support/TestEnvironment.h"

namespace {

constexpr int kBancos = 2;
constexpr int kInstituciones = 3;
constexpr int kTiposVodidazaz = 9;
constexpr int kRecibos = 13;
constexpr int kPadron = 16;
constexpr int kLibrosBautismo = 22;
constexpr int kPartidasBautismo = 23;
constexpr int kPartidasConfirmacion = 27;
constexpr int kBandejaEntrada = 37;
constexpr int kAgenda = 40;
constexpr int kEmpresaSeleccionada = 44;
constexpr int kAsientos = 46;
constexpr int kDebe = 53;

class ListaPrincipal : public ListaFixture {
protected:
    // Banks "0001".."nnnn" named "Banco 1".. in code order.
    void Bancos(int n)
    {
        conLocal.BeginTrans();
        for (int i = 1; i <= n; ++i)
            Banco(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("Banco %1").arg(i));
        conLocal.CommitTrans();
    }

    // One institution with a baptism book and `partidas` entries in it,
    // entry k voided when k is odd.
    void LibroBautismo(int partidas)
    {
        conLocal.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
        conLocal.Exec(QStringLiteral("INSERT INTO Libro_Bautismo (CodInstitucion, Nombre, Nuevo, Cerrado, FechaCreacion) "
                                     "VALUES (1, 'Libro 1', False, True, '20050314')"));
        for (int k = 1; k <= partidas; ++k) {
            conLocal.Exec(QStringLiteral("INSERT INTO Bautismo (CodLibro, Folio, Numero, Anulada, FechaBautismo) "
                                         "VALUES (1, ?, ?, ?, '20060102')"),
                          {k, QString::number(k), k % 2 == 1});
            conLocal.Exec(QStringLiteral("INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido) VALUES (?, ?, ?)"),
                          {k, QStringLiteral("Hijo %1").arg(k), QStringLiteral("Apellido")});
        }
    }

    QStringList FilasMostradas() const
    {
        QStringList filas;
        for (int r = 0; r < ventana.lista.RowCount(); ++r)
            filas << Celdas(r).join(u'|');
        return filas;
    }
};

// --- One page of a node -------------------------------------------------------

TEST_F(ListaPrincipal, APageHasTheNodesColumnsAndOneRowPerRecord)
{
    Bancos(3);
    Clic(kBancos);
    widgets::NvList& l = ventana.lista;
    ASSERT_EQ(l.ColumnCount(), 2);
    const auto& campo = *Nodo(kBancos)->colCampo().Item(1);
    EXPECT_EQ(l.ColumnCaption(0), campo.Nombre());
    EXPECT_EQ(l.ColumnWidth(0), campo.Ancho());
    EXPECT_EQ(l.ColumnKey(0), QString::number(campo.IDCampo()));
    ASSERT_EQ(l.RowCount(), 3);
    // The record id is the query's last field, not a column.
    EXPECT_EQ(l.RowText(1), QStringLiteral("0002\tBanco 2 "));
    EXPECT_EQ(l.RowId(1), 2);
    EXPECT_EQ(l.RowKey(1), QStringLiteral("2"));
    EXPECT_EQ(ventana.TextoPanel(2), QStringLiteral("Registros desde: 1 hasta: 3"));
}

TEST_F(ListaPrincipal, EveryCharacterOfAValueStaysInItsOwnCell)
{
    conLocal.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
    conLocal.Exec(QStringLiteral("INSERT INTO Padron (Nombre, PrimerApellido, SegundoApellido, DNI, Telefono, "
                                 "CodInstitucionEmpadronado) VALUES (?, ?, ?, ?, ?, 1)"),
                  {QStringLiteral("tab\there"), QStringLiteral("Ruiz\t"), QStringLiteral(" \r\n"),
                   QStringLiteral("\t"), QStringLiteral("948 000 000")});
    conLocal.Exec(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (1, 2)"));
    Clic(kPadron);
    ASSERT_EQ(ventana.lista.RowCount(), 1);
    EXPECT_EQ(Celdas(0), (QStringList {QStringLiteral("Parroquia"), QStringLiteral("tab\there"), QStringLiteral("Ruiz\t"),
                                       QStringLiteral(" \r\n"), QStringLiteral("\t"), QStringLiteral("948 000 000")}));
    EXPECT_EQ(ventana.lista.RowKey(0), QStringLiteral("1"));
}

struct CasoRango {
    int filas;
    qint32 inicio;
    qint16 tamano;
    int mostradas;
    const char* texto;
};

class RangoPagina : public ListaPrincipal, public ::testing::WithParamInterface<CasoRango> {};

TEST_P(RangoPagina, ShowsThePageAndItsRange)
{
    const CasoRango& c = GetParam();
    Bancos(c.filas);
    Clic(kBancos);
    gintNRegMax = c.tamano;
    Registro(kBancos).SetPosInicial(c.inicio);
    lista->mnuVerActualizarLista_Click();
    EXPECT_EQ(ventana.lista.RowCount(), c.mostradas);
    EXPECT_EQ(ventana.TextoPanel(2), QString::fromUtf8(c.texto));
    if (c.mostradas > 0) {
        EXPECT_EQ(ventana.lista.RowKey(0), QString::number(c.inicio));
    }
}

INSTANTIATE_TEST_SUITE_P(Rangos, RangoPagina,
                         ::testing::Values(CasoRango{10, 1, 24, 10, "Registros desde: 1 hasta: 10"},
                                           CasoRango{60, 25, 24, 24, "Registros desde: 25 hasta: 48"},
                                           CasoRango{100, 1, 24, 24, "Registros desde: 1 hasta: 24"},
                                           CasoRango{60, 1, 0, 25, "Registros desde: 1 hasta: 25"},
                                           CasoRango{60, 49, 24, 12, "Registros desde: 49 hasta: 60"},
                                           CasoRango{0, 1, 24, 0, "No hay registros"}));

TEST_F(ListaPrincipal, BookListsShowTheirWordsDatesAndEntryCounts)
{
    LibroBautismo(3);
    Clic(kLibrosBautismo);
    ASSERT_EQ(ventana.lista.RowCount(), 1);
    EXPECT_EQ(Celdas(0).mid(0, 6), (QStringList{"Parroquia", "Libro 1", "Antiguo", "Cerrado", "14/03/2005", "3"}));
}

TEST_F(ListaPrincipal, ANodeWithoutColumnsOnlyEmptiesTheRows)
{
    Bancos(2);
    Clic(kBancos);
    lista->configGridPrincipal(ventana.lista, *Nodo(kAgenda));
    EXPECT_EQ(ventana.lista.RowCount(), 0);
    EXPECT_EQ(ventana.lista.ColumnCount(), 2);
}

TEST_F(ListaPrincipal, APageStartPastTheEndRaisesInFillGrid)
{
    Bancos(5);
    Clic(kBancos);
    ConsultaPaginada consulta(conLocal, Nodo(kBancos)->SQLSelect());
    EXPECT_THROW(lista->fillGrid(ventana.lista, 6, 24, consulta, *Nodo(kBancos)), vb::VbError);
}

// --- Node click ----------------------------------------------------------------

TEST_F(ListaPrincipal, AClickMakesTheNodeCurrentAndStartsItsFirstPage)
{
    Bancos(30);
    Registro(kBancos).SetPosInicial(25);
    mblnFiltrado = true;
    Clic(kBancos);
    EXPECT_EQ(mlngIDNodo, kBancos);
    EXPECT_EQ(mstrNombreNodo, QStringLiteral("Bancos"));
    EXPECT_EQ(mstrDescripcionNodo, QStringLiteral("Banco"));
    EXPECT_EQ(mstrPathNodo, Nodo(kBancos)->Path());
    EXPECT_EQ(gStrSelItem, QStringLiteral("Banco"));
    EXPECT_EQ(gStrTextItem, QStringLiteral("Bancos"));
    EXPECT_FALSE(mblnFiltrado);
    EXPECT_EQ(Registro(kBancos).PosInicial(), 1);
    EXPECT_EQ(ventana.TextoPanel(2), QStringLiteral("Registros desde: 1 hasta: 24"));
    EXPECT_EQ(ventana.TextoPanel(1), QStringLiteral("Bancos"));
    EXPECT_EQ(ventana.titulos, QStringList{"Bancos"});
    EXPECT_EQ(ventana.focos, 1);
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

TEST_F(ListaPrincipal, TheWidthsOfTheListGoToTheNodeItShowed)
{
    Clic(kBancos);
    ventana.lista.SetColumnWidth(1, 4321);  // as the user dragged it
    Clic(kInstituciones);
    EXPECT_EQ(Nodo(kBancos)->colCampo().Item(2)->Ancho(), 4321);
    EXPECT_EQ(mintNodoAnterior, kBancos);
    // Clicking the node shown keeps its own widths.
    ventana.lista.SetColumnWidth(0, 999);
    Clic(kInstituciones);
    EXPECT_EQ(Nodo(kInstituciones)->colCampo().Item(1)->Ancho(), 999);
    EXPECT_EQ(ventana.lista.ColumnWidth(0), 999);
}

TEST_F(ListaPrincipal, WidthsAreLostThroughAFolderNode)
{
    Clic(kBancos);
    const qint16 antes = Nodo(kBancos)->colCampo().Item(1)->Ancho();
    ventana.lista.SetColumnWidth(0, 4321);
    Clic(1);  // the root folder: no list, nothing to receive them
    Clic(kInstituciones);
    EXPECT_EQ(Nodo(kBancos)->colCampo().Item(1)->Ancho(), antes);
}

struct CasoMenusArchivo {
    int id;
    bool eliminar;
    bool propiedades;
    bool imprimirSecundario;
};

class MenusArchivo : public ListaPrincipal, public ::testing::WithParamInterface<CasoMenusArchivo> {};

TEST_P(MenusArchivo, FollowTheNode)
{
    const CasoMenusArchivo& c = GetParam();
    Clic(c.id);
    EXPECT_EQ(ventana.menus[QStringLiteral("mnuArchivoEliminar")].habilitado, c.eliminar);
    EXPECT_EQ(ventana.menus[QStringLiteral("mnuArchivoPropiedades")].habilitado, c.propiedades);
    EXPECT_EQ(ventana.menus[QStringLiteral("mnuSecundarioImprimir")].visible, c.imprimirSecundario);
    EXPECT_EQ(ventana.menus[QStringLiteral("mnuSecundarioPropiedades")].visible, !c.imprimirSecundario);
}

INSTANTIATE_TEST_SUITE_P(Nodos, MenusArchivo,
                         ::testing::Values(CasoMenusArchivo{kBancos, true, true, false},
                                           CasoMenusArchivo{kRecibos, true, false, false},
                                           CasoMenusArchivo{kTiposVodidazaz, true, true, true},
                                           CasoMenusArchivo{1, false, false, false},
                                           CasoMenusArchivo{kEmpresaSeleccionada, false, false, false}));

TEST_F(ListaPrincipal, TheCompanyNodeHasRecordsOnceACompanyIsSelected)
{
    Clic(kEmpresaSeleccionada);
    EXPECT_EQ(ventana.TextoPanel(2), QStringLiteral(" "));
    Nodo(kEmpresaSeleccionada)->SetNombre(QStringLiteral("<ABC - 2005>"));
    ventana.seleccionado.texto = QStringLiteral("<ABC - 2005>");
    lista->tvTreeView_NodeClick(ventana.seleccionado);
    EXPECT_TRUE(ventana.menus[QStringLiteral("mnuArchivoEliminar")].habilitado);
    EXPECT_TRUE(ventana.menus[QStringLiteral("mnuArchivoPropiedades")].habilitado);
    EXPECT_FALSE(ventana.PanelVisible(PanelPrincipal::msgPrincipal));
}

TEST_F(ListaPrincipal, TraysShowThePreviewAndARowShowsItsMessage)
{
    conLocal.Exec(QStringLiteral("INSERT INTO TipoMensaje (Codigo) VALUES ('AVISO')"));
    conLocal.Exec(QStringLiteral("INSERT INTO Mensaje (CodTipoMensaje, FechaEnvio, Remitente, Destinatario, Descripcion, Nodo) "
                                 "VALUES (1, '20050101', 'Obispado', 'Parroquia', 'Circular', 'BandejaEntrada')"));
    ventana.infoMensaje[0] = QStringLiteral("viejo");
    Clic(kBandejaEntrada);
    EXPECT_TRUE(ventana.PanelVisible(PanelPrincipal::picMensaje));
    EXPECT_EQ(ventana.infoMensaje[0], QString());
    ASSERT_EQ(ventana.lista.RowCount(), 1);
    ventana.lista.SetCurrentRow(0);
    lista->msgPrincipal_RowSelected();
    EXPECT_EQ(ventana.infoMensaje[0], QStringLiteral("Obispado"));
    EXPECT_EQ(ventana.infoMensaje[1], QStringLiteral("Parroquia"));
    EXPECT_EQ(ventana.infoMensaje[2], QStringLiteral("Circular"));
    // Any other list leaves the preview alone.
    Clic(kBancos);
    EXPECT_FALSE(ventana.PanelVisible(PanelPrincipal::picMensaje));
    ventana.infoMensaje[0] = QStringLiteral("sin cambio");
    lista->msgPrincipal_RowSelected();
    EXPECT_EQ(ventana.infoMensaje[0], QStringLiteral("sin cambio"));
}

TEST_F(ListaPrincipal, AgendaOpensAndAnyOtherNodeClosesIt)
{
    Clic(kAgenda);
    EXPECT_EQ(ventana.agendas, 1);
    EXPECT_TRUE(ventana.PanelVisible(PanelPrincipal::ascrAgenda));
    EXPECT_FALSE(ventana.PanelVisible(PanelPrincipal::msgPrincipal));
    Clic(kBancos);
    EXPECT_FALSE(ventana.PanelVisible(PanelPrincipal::ascrAgenda));
}

TEST_F(ListaPrincipal, StructureNodesLoadTheAccountingTreeOfTheirKind)
{
    Clic(kDebe);
    EXPECT_FALSE(ventana.PanelVisible(PanelPrincipal::picConta));
    EXPECT_TRUE(ventana.PanelVisible(PanelPrincipal::trvConta));
    EXPECT_EQ(ventana.arboles, QList<qint16>{3});
    mlngCodEmpresaSeleccionada = 7;
    Clic(kDebe + 1);  // "Haber"
    EXPECT_TRUE(ventana.PanelVisible(PanelPrincipal::picConta));
    EXPECT_EQ(ventana.arboles, (QList<qint16>{3, 4}));
}

TEST_F(ListaPrincipal, AccountingListsNeedASelectedCompany)
{
    Clic(kAsientos);
    EXPECT_FALSE(ventana.PanelVisible(PanelPrincipal::msgPrincipal));
    EXPECT_FALSE(ventana.PanelVisible(PanelPrincipal::picConta));
    mlngCodEmpresaSeleccionada = 1;
    Clic(kAsientos);
    EXPECT_TRUE(ventana.PanelVisible(PanelPrincipal::msgPrincipal));
    EXPECT_FALSE(ventana.PanelVisible(PanelPrincipal::trvConta));
}

TEST_F(ListaPrincipal, ACollapseIsAClickOnTheCollapsedNode)
{
    Bancos(1);
    ventana.seleccionado = {ClaveArbol(kInstituciones), QStringLiteral("Instituciones")};
    lista->tvTreeView_Collapse({ClaveArbol(kBancos), QStringLiteral("Bancos")});
    EXPECT_EQ(mlngIDNodo, kBancos);
    EXPECT_EQ(ventana.lista.RowCount(), 1);
    // Title and panel 1 follow the tree's selection.
    EXPECT_EQ(ventana.TextoPanel(1), QStringLiteral("Instituciones"));
}

// --- Reload --------------------------------------------------------------------

TEST_F(ListaPrincipal, BeforeAnyClickTheReloadShowsNothing)
{
    lista->mnuVerActualizarLista_Click();
    EXPECT_EQ(ventana.lista.ColumnCount(), 0);
    EXPECT_TRUE(ventana.arboles.isEmpty());
    EXPECT_EQ(testsupport::scriptedUi().pointerHistory(), (QList<ui::MousePointer>{ui::vbHourglass, ui::vbDefault}));
}

TEST_F(ListaPrincipal, TheReloadKeepsThePageAndShowsNewRows)
{
    Bancos(60);
    Clic(kBancos);
    Registro(kBancos).SetPosInicial(25);
    conLocal.Exec(QStringLiteral("UPDATE Banco SET Nombre = 'Cambiado' WHERE IDBanco = 25"));
    lista->mnuVerActualizarLista_Click();
    EXPECT_EQ(ventana.lista.CellText(0, 1), QStringLiteral("Cambiado"));
    EXPECT_EQ(ventana.TextoPanel(2), QStringLiteral("Registros desde: 25 hasta: 48"));
}

TEST_F(ListaPrincipal, AReloadPastTheEndShowsTheLastPage)
{
    Bancos(60);
    Clic(kBancos);
    lista->tbPrincipal_ButtonClick(QStringLiteral("lastReg"));
    ASSERT_EQ(Registro(kBancos).PosInicial(), 37);
    conLocal.Exec(QStringLiteral("DELETE FROM Banco WHERE IDBanco > 30"));
    lista->mnuVerActualizarLista_Click();
    EXPECT_EQ(Registro(kBancos).PosInicial(), 7);
    EXPECT_EQ(ventana.lista.RowCount(), 24);
    EXPECT_EQ(ventana.TextoPanel(2), QStringLiteral("Registros desde: 7 hasta: 30"));
}

TEST_F(ListaPrincipal, ANodeWithABlankQueryGetsColumnsAndNoRows)
{
    Bancos(3);
    Clic(kBancos);
    Nodo(kBancos)->SetSQLSelect(QStringLiteral("  "));
    lista->mnuVerActualizarLista_Click();
    EXPECT_EQ(ventana.lista.ColumnCount(), 2);
    EXPECT_EQ(ventana.lista.RowCount(), 0);
    EXPECT_EQ(ventana.TextoPanel(2), QStringLiteral("Registros desde: 1 hasta: 3"));
}

// --- Toolbar -------------------------------------------------------------------

TEST_F(ListaPrincipal, PagingButtonsMoveThroughTheList)
{
    Bancos(60);
    Clic(kBancos);
    const auto pulsar = [&](const char* boton) {
        lista->tbPrincipal_ButtonClick(QString::fromLatin1(boton));
        return ventana.TextoPanel(2);
    };
    EXPECT_EQ(pulsar("nextReg"), QStringLiteral("Registros desde: 25 hasta: 48"));
    EXPECT_EQ(pulsar("nextReg"), QStringLiteral("Registros desde: 49 hasta: 60"));
    EXPECT_EQ(ventana.lista.RowCount(), 12);
    ventana.SetTextoPanel(2, QStringLiteral("sin tocar"));
    EXPECT_EQ(pulsar("nextReg"), QStringLiteral("sin tocar"));
    EXPECT_EQ(pulsar("lastReg"), QStringLiteral("Registros desde: 37 hasta: 60"));
    EXPECT_EQ(pulsar("prevReg"), QStringLiteral("Registros desde: 13 hasta: 36"));
    EXPECT_EQ(pulsar("prevReg"), QStringLiteral("Registros desde: 1 hasta: 24"));
    EXPECT_EQ(pulsar("nextReg"), QStringLiteral("Registros desde: 25 hasta: 48"));
    EXPECT_EQ(pulsar("firstReg"), QStringLiteral("Registros desde: 1 hasta: 24"));
    EXPECT_EQ(ventana.lista.RowKey(0), QStringLiteral("1"));
}

TEST_F(ListaPrincipal, LastPageOfAShortListLeavesTheListAlone)
{
    Bancos(10);
    Clic(kBancos);
    ventana.lista.ClearRows();
    lista->tbPrincipal_ButtonClick(QStringLiteral("lastReg"));
    EXPECT_EQ(Registro(kBancos).PosInicial(), 1);
    EXPECT_EQ(ventana.lista.RowCount(), 0);
}

struct CasoComando {
    const char* clave;
    const char* comando;
};

class ComandosBarra : public ListaPrincipal, public ::testing::WithParamInterface<CasoComando> {};

TEST_P(ComandosBarra, RunTheFileCommands)
{
    lista->tbPrincipal_ButtonClick(QString::fromLatin1(GetParam().clave));
    const QString comando = QString::fromLatin1(GetParam().comando);
    EXPECT_EQ(ejecutados, comando.isEmpty() ? QStringList() : QStringList{comando});
}

INSTANTIATE_TEST_SUITE_P(Claves, ComandosBarra,
                         ::testing::Values(CasoComando{"Nuevo", "mnuArchivoNuevo"},
                                           CasoComando{"Propiedades", "mnuArchivoPropiedades"},
                                           CasoComando{"Eliminar", "mnuArchivoEliminar"},
                                           CasoComando{"nuevo", ""}, CasoComando{"Otra", ""}));

// --- List events ---------------------------------------------------------------

struct CasoDobleClic {
    int id;
    const char* comando;
};

class DobleClic : public ListaPrincipal, public ::testing::WithParamInterface<CasoDobleClic> {};

TEST_P(DobleClic, OpensTheRecordOfTheKind)
{
    Clic(GetParam().id);
    lista->msgPrincipal_DblClick();
    EXPECT_EQ(ejecutados, QStringList{QString::fromLatin1(GetParam().comando)});
}

INSTANTIATE_TEST_SUITE_P(Nodos, DobleClic,
                         ::testing::Values(CasoDobleClic{kRecibos, "mnuSecundarioImprimir"},
                                           CasoDobleClic{49, "mnuEstructuraPropiedades"},
                                           CasoDobleClic{50, "mnuEstructuraPropiedades"},
                                           CasoDobleClic{kBancos, "mnuArchivoPropiedades"}));

TEST_F(ListaPrincipal, MouseUpOverFoldersDoesNothing)
{
    for (const int id : {11, 15, 41}) {  // "Gestión", "Mantenimiento", "Contabilidad"
        Clic(id);
        ventana.menus.clear();
        lista->msgPrincipal_MouseUp(2, 0, 0, 0);
        EXPECT_TRUE(ventana.menus.isEmpty()) << id;
        EXPECT_TRUE(ventana.popups.isEmpty()) << id;
    }
}

TEST_F(ListaPrincipal, ALeftButtonKeepsTheWidthsAndShowsNoMenu)
{
    Clic(kBancos);
    ventana.SetMenuVisible(QStringLiteral("mnuSolicitudesImprimir"), false);
    ventana.SetMenuVisible(QStringLiteral("mnuSolicitudesMatrimonioImprimir"), true);
    ventana.lista.SetColumnWidth(0, 1234);
    lista->msgPrincipal_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(Nodo(kBancos)->colCampo().Item(1)->Ancho(), 1234);
    EXPECT_TRUE(ventana.menus[QStringLiteral("mnuSolicitudesImprimir")].visible);
    EXPECT_FALSE(ventana.menus[QStringLiteral("mnuSolicitudesMatrimonioImprimir")].visible);
    EXPECT_TRUE(ventana.popups.isEmpty());
}

TEST_F(ListaPrincipal, TheNewCaptionReadsNuevaOnlyWhileTheMenuIsOpen)
{
    Clic(12);  // "Remesas"
    lista->msgPrincipal_MouseUp(2, 0, 0, 0);
    ASSERT_EQ(ventana.popups.size(), 1);
    EXPECT_EQ(ventana.popups.first().menu, QStringLiteral("mnuSecundario"));
    EXPECT_EQ(ventana.popups.first().captionNuevo, QStringLiteral("&Nueva"));
    EXPECT_EQ(ventana.menus[QStringLiteral("mnuSecundarioNuevo")].caption, QStringLiteral("&Nuevo"));
}

TEST_F(ListaPrincipal, TheVoidItemFollowsTheCurrentEntry)
{
    LibroBautismo(2);  // entry 1 voided, entry 2 not
    Clic(kPartidasBautismo);
    ASSERT_EQ(ventana.lista.RowCount(), 2);
    lista->msgPrincipal_MouseUp(2, 0, 0, 0);
    EXPECT_EQ(ventana.popups.last().estado[QStringLiteral("mnuPartidasAnular")].caption, QStringLiteral("Inva&lidar"));
    ventana.lista.SetCurrentRow(0);
    lista->msgPrincipal_MouseUp(2, 0, 0, 0);
    EXPECT_EQ(ventana.popups.last().estado[QStringLiteral("mnuPartidasAnular")].caption, QStringLiteral("Va&lidar"));
    ventana.lista.SetCurrentRow(1);
    lista->msgPrincipal_MouseUp(2, 0, 0, 0);
    EXPECT_EQ(ventana.popups.last().estado[QStringLiteral("mnuPartidasAnular")].caption, QStringLiteral("Inva&lidar"));
    EXPECT_EQ(ventana.popups.last().menu, QStringLiteral("mnuPartidas"));
}

TEST_F(ListaPrincipal, AVoidedConfirmationOffersValidation)
{
    conLocal.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
    conLocal.Exec(QStringLiteral("INSERT INTO Libro_Confirmacion (CodInstitucion, Nombre, Nuevo) VALUES (1, 'L', True)"));
    conLocal.Exec(QStringLiteral("INSERT INTO Confirmacion (CodLibro, Folio, Numero, Anulada, Nombre) "
                                 "VALUES (1, 1, '1', True, 'Ana')"));
    conLocal.Exec(QStringLiteral("INSERT INTO Confirmacion_Datos (CodConfirmacion, FechaConfirmacion) VALUES (1, '20050101')"));
    Clic(kPartidasConfirmacion);
    ASSERT_EQ(ventana.lista.RowCount(), 1);
    ventana.lista.SetCurrentRow(0);
    lista->msgPrincipal_MouseUp(2, 0, 0, 0);
    const auto& estado = ventana.popups.last().estado;
    EXPECT_EQ(estado[QStringLiteral("mnuPartidasAnular")].caption, QStringLiteral("Va&lidar"));
    EXPECT_FALSE(estado[QStringLiteral("mnuPartidasImprimirVolante")].visible);
    EXPECT_TRUE(estado[QStringLiteral("mnuPartidasImprimirNotificacionSinLibro")].visible);
}

} // namespace
