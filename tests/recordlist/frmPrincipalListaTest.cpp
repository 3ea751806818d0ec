// The record list inside the real main window: tree clicks and keys, the
// toolbar, "Actualizar lista", the filter cells and the widths saved at
// exit, driven through the window's own widgets.

#include "DatosListas.h"

#include "fixtures/TempProgramFolder.h"
#include "mainwindow/Controles.h"
#include "mainwindow/frmPrincipal.h"
#include "navigation/ArbolNodos.h"
#include "navigation/BarraBotones.h"
#include "navigation/ClavesNodo.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/widgets/NvList.h"
#include "platform/widgets/NvListFilterRow.h"
#include "recordlist/cListaPrincipal.h"
#include "schema/Estructura.h"
#include "core/denDuzediv.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class VentanaConLista : public ::testing::Test {
protected:
    void SetUp() override
    {
        info.Usuario = QStringLiteral("Administrador");
        info.idioma = 3082;
        info.VodidazazDLL = info.GestionParroquialDLL = info.MensajeriaDLL = info.ContabilidadDLL = info.BancosDLL = true;
        den.conLocal = carpeta.abrir(BaseDatosPrograma::Duzediv);
        den.conInformes = carpeta.abrir(BaseDatosPrograma::Informes);
        den.conContabilidad = carpeta.abrir(BaseDatosPrograma::Contabilidad);
        ui::SetErrorReporter([this](const QString& p, const QString&, const QString&) { informes << p; });
    }

    frmPrincipal& Abrir()
    {
        ContextoPrincipal ctx;
        ctx.gobjInfoConfig = &info;
        ctx.den = &den;
        ctx.appPath = carpeta.path();
        ctx.appTitle = QStringLiteral("Norvia Parvanta 2000");
        ventana = std::make_unique<frmPrincipal>(ctx);
        ventana->Mostrar();
        // A tree wide enough for the deepest captions.
        ventana->resize(1000, 700);
        double x = 4500;
        ventana->AjustarControles(x);
        Arbol().expandAll();
        Procesar();
        return *ventana;
    }

    static void Procesar()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    ArbolNodos& Arbol() const { return Control<ArbolNodos>(*ventana, "tvTreeView"); }
    widgets::NvList& Lista() const { return Control<widgets::NvList>(*ventana, "msgPrincipal"); }
    const EstadoPrincipal& Estado() const { return ventana->Estado(); }

    QTreeWidgetItem* Item(int id) const { return Arbol().PorClave(ClaveArbol(id)); }

    void ClicEn(QTreeWidgetItem* item)
    {
        ArbolNodos* arbol = &Arbol();
        arbol->scrollToItem(item);
        // Near the caption's start: long captions reach past the narrow tree.
        const QRect rect = arbol->visualItemRect(item);
        QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 8, rect.center().y()));
        Procesar();
    }

    void Boton(const QString& clave)
    {
        auto& barra = Control<BarraBotones>(*ventana, "tbPrincipal");
        for (int i = 1; i <= barra.Count(); ++i)
            if (barra.Clave(i) == clave)
                barra.Accion(i)->trigger();
    }

    void Bancos(int n)
    {
        for (int i = 1; i <= n; ++i)
            den.conLocal.Exec(QStringLiteral("INSERT INTO Banco (Codigo, Nombre) VALUES (?, ?)"),
                              {QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("Banco %1").arg(i)});
    }

    TempProgramFolder carpeta;
    PVAPI::cInfoConfiguracion info;
    denDuzediv den;
    std::unique_ptr<frmPrincipal> ventana;
    QStringList informes;
};

TEST_F(VentanaConLista, AClickOnATreeNodeShowsItsList)
{
    Bancos(30);
    frmPrincipal& v = Abrir();
    EXPECT_TRUE(Lista().isHidden());
    ClicEn(Item(2));
    EXPECT_FALSE(Lista().isHidden());
    EXPECT_EQ(Estado().mstrNombreNodo, QStringLiteral("Bancos"));
    EXPECT_EQ(Lista().ColumnCount(), 2);
    EXPECT_EQ(Lista().RowCount(), 24);
    EXPECT_EQ(v.TextoPanel(2), QStringLiteral("Registros desde: 1 hasta: 24"));
    EXPECT_EQ(v.TextoPanel(1), QStringLiteral("Bancos"));
    EXPECT_EQ(Control<QLabel>(v, "lblTitle").text(), QStringLiteral("Bancos"));
    EXPECT_TRUE(v.Menu(QStringLiteral("mnuArchivoEliminar"))->isEnabled());
    EXPECT_TRUE(informes.isEmpty());
}

TEST_F(VentanaConLista, EveryNodeOfTheTreeShowsWithoutErrors)
{
    EXPECT_EQ(LlenarTablas(den.conLocal, EsquemaDuzediv(), 300), QStringList());
    frmPrincipal& v = Abrir();
    int listas = 0;
    for (int i = 1; i <= Arbol().Count(); ++i) {
        QTreeWidgetItem* item = Arbol().Nodo(i);
        SCOPED_TRACE(ArbolNodos::Texto(item).toStdString());
        ClicEn(item);
        EXPECT_EQ(Estado().mlngIDNodo, IdDeClaveArbol(ArbolNodos::Clave(item)));
        const auto nodo = Estado().gcolNodo.Item(ClaveColeccion(Estado().mlngIDNodo));
        if (Lista().isHidden() || nodo->colCampo().Count() == 0)
            continue;
        ++listas;
        EXPECT_EQ(Lista().ColumnCount(), nodo->colCampo().Count());
        EXPECT_TRUE(v.TextoPanel(2).startsWith(QStringLiteral("Registros desde: 1 hasta: "))
                    || v.TextoPanel(2) == QStringLiteral("No hay registros"))
            << v.TextoPanel(2).toStdString();
    }
    EXPECT_GE(listas, 25);
    EXPECT_TRUE(informes.isEmpty()) << informes.join(u',').toStdString();
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

TEST_F(VentanaConLista, ArrowKeysSelectTheNextNode)
{
    Abrir();
    ClicEn(Item(2));
    QTest::keyClick(&Arbol(), Qt::Key_Down);
    Procesar();
    EXPECT_EQ(Estado().mstrNombreNodo, QStringLiteral("Instituciones"));
    EXPECT_EQ(Estado().mintNodoAnterior, 2);
}

TEST_F(VentanaConLista, ToolbarPagesAndTheViewMenuReloads)
{
    Bancos(60);
    frmPrincipal& v = Abrir();
    ClicEn(Item(2));
    Boton(QStringLiteral("nextReg"));
    EXPECT_EQ(v.TextoPanel(2), QStringLiteral("Registros desde: 25 hasta: 48"));
    Boton(QStringLiteral("lastReg"));
    EXPECT_EQ(v.TextoPanel(2), QStringLiteral("Registros desde: 37 hasta: 60"));
    den.conLocal.Exec(QStringLiteral("UPDATE Banco SET Nombre = 'Otro' WHERE IDBanco = 37"));
    v.Menu(QStringLiteral("mnuVerActualizarLista"))->trigger();
    EXPECT_EQ(Lista().CellText(0, 1), QStringLiteral("Otro"));
    EXPECT_TRUE(informes.isEmpty());
}

// The list runs the window's commands through its registry by control
// name, whatever the state of their menu items, as a direct call did.
TEST_F(VentanaConLista, ADoubleClickRunsTheRecordPropertiesThroughTheRegistry)
{
    Bancos(3);
    frmPrincipal& v = Abrir();
    QStringList ejecutados;
    v.Comandos().Registrar(QStringLiteral("mnuArchivoPropiedades"), [&] { ejecutados << "propiedades"; });
    ClicEn(Item(2));
    v.Menu(QStringLiteral("mnuArchivoPropiedades"))->setEnabled(false);
    emit Lista().DblClick();
    EXPECT_EQ(ejecutados, QStringList{"propiedades"});
    EXPECT_TRUE(informes.isEmpty());
}

// Each entry creates the kind it names, whatever node the list shows.
TEST_F(VentanaConLista, EveryEntryOfTheNewDropDownRunsTheNewItemOfItsKind)
{
    frmPrincipal& v = Abrir();
    QStringList nuevos;
    for (const char* item : {"mnuArchivoNuevoRecibosCaja", "mnuArchivoNuevoCaritativo", "mnuArchivoNuevoBanco",
                             "mnuArchivoNuevoInstitucion"})
        v.Comandos().Registrar(QString::fromLatin1(item), [&nuevos, item] { nuevos << QString::fromLatin1(item); });
    auto& barra = Control<BarraBotones>(v, "tbPrincipal");
    for (const int entrada : {1, 4, 6, 8})
        barra.Entrada(1, entrada)->trigger();
    EXPECT_EQ(nuevos, (QStringList{"mnuArchivoNuevoRecibosCaja", "mnuArchivoNuevoCaritativo", "mnuArchivoNuevoBanco",
                                   "mnuArchivoNuevoInstitucion"}));
}

TEST_F(VentanaConLista, TheFilterReadsTheTypedCells)
{
    Bancos(30);
    Abrir();
    ClicEn(Item(2));
    QLineEdit* celda = Lista().FilterRow()->Cell(1);
    QTest::keyClicks(celda, QStringLiteral("Banco 2"));
    Boton(QStringLiteral("Filtro"));
    EXPECT_TRUE(Estado().mblnFiltrado);
    EXPECT_EQ(Lista().RowCount(), 11);  // "Banco 2" and "Banco 20" .. "Banco 29"
    EXPECT_EQ(celda->text(), QStringLiteral("Banco 2"));
}

TEST_F(VentanaConLista, TheWidthsShownAreSavedAtExit)
{
    frmPrincipal& v = Abrir();
    ClicEn(Item(2));
    Lista().SetColumnWidth(1, 2222);
    v.close();
    const AjustesUsuario ajustes{QStringLiteral("Norvia Parvanta 2000"), QStringLiteral("Administrador"), 3082};
    EXPECT_EQ(ajustes.Leer(ajustes.SeccionGrids(), QStringLiteral("2")), QStringLiteral("2222"));
}

// A picture of the window showing a list, for a look by eye:
// DUZ_CAPTURA_LISTA=/tmp/lista.png xvfb-run -a test_recordlist --gtest_filter=*Captura*
TEST_F(VentanaConLista, Captura)
{
    const QString destino = qEnvironmentVariable("DUZ_CAPTURA_LISTA");
    if (destino.isEmpty())
        GTEST_SKIP() << "DUZ_CAPTURA_LISTA not set";
    LlenarTablas(den.conLocal, EsquemaDuzediv(), 300);
    frmPrincipal& v = Abrir();
    ClicEn(Item(16));
    QTest::qWait(300);
    Procesar();
    EXPECT_TRUE(v.grab().save(destino));
}

} // namespace
