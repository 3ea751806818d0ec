// The window's commands: every menu item, toolbar button and context entry
// has an entry in the command registry, reaches it, and either does its work
// or says that it is not available.

#include "mainwindow/Controles.h"
#include "mainwindow/VentanaPrueba.h"

#include "addin_doubles/MockContabilidad.h"
#include "addin_doubles/MockVodidazaz.h"
#include "addin_doubles/RegistroMock.h"
#include "core/RegistroComandos.h"
#include "mainwindow/ComandosVentana.h"
#include "mantenimiento/IServicioMantenimiento.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "navigation/ArbolNodos.h"
#include "navigation/BarraBotones.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/NvList.h"
#include "support/ErrorNumber.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QDialog>
#include <QApplication>
#include <QMenu>
#include <QSet>
#include <QShortcut>
#include <QStatusBar>
#include <functional>
#include <gtest/gtest.h>

namespace {

class ComandosPrincipal : public VentanaPrueba {
protected:
    static void Procesar()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    BarraBotones& Barra() const { return Control<BarraBotones>(*ventana, "tbPrincipal"); }
    widgets::NvList& Lista() const { return Control<widgets::NvList>(*ventana, "msgPrincipal"); }

    // The menu items that run a command, found among the window's actions
    // (not through the menu table): neither a separator nor a menu.
    QStringList ItemsDeMenu() const
    {
        QStringList items;
        for (const QAction* accion : ventana->findChildren<QAction*>()) {
            if (accion->objectName().startsWith(QLatin1String("mnu")) && !accion->isSeparator() && !accion->menu())
                items << accion->objectName();
        }
        return items;
    }

    QStringList BotonesBarra() const
    {
        QStringList botones;
        for (int i = 1; i <= Barra().Count(); ++i) {
            if (!Barra().Clave(i).isEmpty())
                botones << Barra().Clave(i);
        }
        return botones;
    }

    // What the user does to reach the command: the menu item (shown and
    // enabled first, as the window does for the nodes that offer it) or the
    // toolbar button.
    void Activar(const QString& nombre) const
    {
        if (QAction* accion = ventana->Menu(nombre)) {
            accion->setVisible(true);
            accion->setEnabled(true);
            accion->trigger();
        } else {
            for (int i = 1; i <= Barra().Count(); ++i) {
                if (Barra().Clave(i) == nombre)
                    Barra().Accion(i)->trigger();
            }
        }
        Procesar();
    }
};

TEST_F(ComandosPrincipal, EveryMenuItemAndToolbarButtonIsRegisteredAndNothingElse)
{
    frmPrincipal& v = Cargada();
    const QStringList controles = ItemsDeMenu() + BotonesBarra();
    const QStringList& nombres = v.Comandos().Nombres();
    EXPECT_EQ(QSet<QString>(nombres.begin(), nombres.end()), QSet<QString>(controles.begin(), controles.end()));
    EXPECT_EQ(nombres.size(), controles.size());
    for (const char* control : {"mnuArchivoNuevo", "mnuSecundarioNuevo", "mnuPartidasImprimirLiteral",
                                "mnuEstructuraAsignar", "Nuevo", "firstReg", "Filtro"})
        EXPECT_TRUE(v.Comandos().Contiene(QString::fromLatin1(control))) << control;
    // Separators and the headers of sub-menus are no commands.
    for (const char* control : {"mnuArchivoSeparador1", "mnuArchivoNuevo_", "mnuLibrosImprimir", "mnuSecundario"})
        EXPECT_FALSE(v.Comandos().Contiene(QString::fromLatin1(control))) << control;
}

// No control connects to nothing: each one, activated as the user does,
// runs the registry's entry under its own name.
TEST_F(ComandosPrincipal, EveryControlRunsItsOwnEntry)
{
    frmPrincipal& v = Cargada();
    QStringList ejecutados;
    const QStringList nombres = v.Comandos().Nombres();
    for (const QString& nombre : nombres)
        v.Comandos().Registrar(nombre, [&ejecutados, nombre] { ejecutados << nombre; });
    for (const QString& nombre : nombres) {
        ejecutados.clear();
        Activar(nombre);
        EXPECT_EQ(ejecutados, QStringList{nombre});
    }
    // Each entry of the New button's list is the File > New item of its kind.
    const std::pair<int, const char*> entradas[] = {
        {1, "mnuArchivoNuevoRecibosCaja"}, {2, "mnuArchivoNuevoRemesa"},      {4, "mnuArchivoNuevoCaritativo"},
        {5, "mnuArchivoNuevoTiposDonativo"}, {6, "mnuArchivoNuevoBanco"},     {7, "mnuArchivoNuevoPresentador"},
        {8, "mnuArchivoNuevoInstitucion"}};
    for (const auto& [entrada, comando] : entradas) {
        ejecutados.clear();
        Barra().Entrada(1, entrada)->trigger();
        EXPECT_EQ(ejecutados, QStringList{QString::fromLatin1(comando)}) << entrada;
    }
}

// The commands built so far, each with what it does in the window showing
// the list of 60 banks (the record commands reach the record actions); every
// other control says that its function is not available in this
// installation. No click is silent.
TEST_F(ComandosPrincipal, EveryCommandRunsOrSaysItIsNotAvailable)
{
    for (int i = 1; i <= 60; ++i)
        den.conLocal.Exec(QStringLiteral("INSERT INTO Banco (Codigo, Nombre) VALUES (?, ?)"),
                          {QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("Banco %1").arg(i)});
    frmPrincipal& v = Cargada();
    v.Mostrar();
    Procesar();
    Arbol().setCurrentItem(Arbol().PorClave(QStringLiteral("c2")));
    emit Arbol().itemClicked(Arbol().PorClave(QStringLiteral("c2")), 0);
    ASSERT_EQ(Lista().RowCount(), 24);

    const auto pagina = [&](const char* rango) {
        return [&, rango] {
            EXPECT_EQ(Lista().RowCount(), 24);
            EXPECT_EQ(v.TextoPanel(2), QString::fromLatin1(rango));
        };
    };
    // Dialogs are recorded and closed, never shown; the deductions are
    // changed by a new object of the donations add-in.
    QStringList dialogos;
    const auto runner = widgets::DialogoRegistroEjecutor::Establecer([&](QDialog& d) {
        dialogos << QString::fromLatin1(d.metaObject()->className());
        return int(QDialog::Rejected);
    });
    dobles::RegistroMock<testing::StrictMock<dobles::MockVodidazaz>> vodidazaz(
        [](dobles::MockVodidazaz& m) { EXPECT_CALL(m, CambiarDeduccionComAut).Times(1); });
    dobles::RegistroMock<testing::NiceMock<dobles::MockContabilidad>> contabilidad;

    // Run before each command: what it must change is set apart first.
    const auto vaciarLista = [&] { Lista().ClearRows(); };
    struct Construido {
        std::function<void()> antes;
        std::function<void()> despues;
    };
    const QHash<QString, Construido> construidos = {
        {"mnuVerBarraEstado", {{}, [&] { EXPECT_TRUE(Control<QStatusBar>(v, "sbStatusBar").isHidden()); }}},
        {"mnuVerBarraHerramientas", {{}, [&] { EXPECT_TRUE(Control<QWidget>(v, "cbPrincipal").isHidden()); }}},
        {"mnuVerActualizarLista", {vaciarLista, pagina("Registros desde: 1 hasta: 24")}},
        {"firstReg", {vaciarLista, pagina("Registros desde: 1 hasta: 24")}},
        {"prevReg", {vaciarLista, pagina("Registros desde: 1 hasta: 24")}},
        {"nextReg", {vaciarLista, pagina("Registros desde: 25 hasta: 48")}},
        {"lastReg", {vaciarLista, pagina("Registros desde: 37 hasta: 60")}},
        {"Filtro", {vaciarLista, [&] {
                        EXPECT_TRUE(v.Estado().mblnFiltrado);
                        EXPECT_EQ(Lista().RowCount(), 60);
                    }}},
        {"mnuArchivoSalir", {{}, [&] { EXPECT_EQ(liberaciones, 1) << "the window unloaded"; }}},
        {"mnuArchivoConfigurarImpresora", {{}, [] { EXPECT_EQ(testsupport::scriptedUi().printerSetupCount(), 1); }}},
        {"mnuAyudaWebPrincipal",
         {{}, [] { EXPECT_EQ(testsupport::scriptedUi().openedUrls().last(), ComandosVentana::PaginaPrincipal()); }}},
        {"mnuAyudaORBE",
         {{}, [] { EXPECT_EQ(testsupport::scriptedUi().openedUrls().last(), ComandosVentana::PaginaOrbe()); }}},
        {"mnuHerrMod182CambiarDeduciones", {{}, [&] { EXPECT_EQ(vodidazaz.ObjetosCreados(), 1); }}},
        // Without a selected company the company tools do nothing; the
        // consolidation makes its own accounting object.
        {"mnuVerInformes", {{}, [&] { EXPECT_EQ(dialogos.takeLast(), "frmViewInforme"); }}},
        {"mnuVerOpciones", {vaciarLista, [&] {
                                EXPECT_EQ(dialogos.takeLast(), "frmOpciones");
                                EXPECT_EQ(Lista().RowCount(), 24) << "the list was reloaded";
                            }}},
        {"mnuAyudaAcercade", {{}, [&] { EXPECT_EQ(dialogos.takeLast(), "frmAcerca"); }}},
        {"mnuHerramientasCambiarEnlace", {{}, [] {}}},
        {"mnuHerramientasCerrarEjercicio", {{}, [] {}}},
        {"mnuHerramientasRecalcularTotales", {{}, [] {}}},
        {"mnuSecundarioRenumerar", {{}, [] {}}},
        {"mnuSecundarioSustituirSubcta", {{}, [] {}}},
        {"mnuHerramientasConsolidar", {vaciarLista, [&] {
                                           EXPECT_EQ(contabilidad.ObjetosCreados(), 1);
                                           EXPECT_EQ(Lista().RowCount(), 24) << "the list was reloaded";
                                       }}},
    };

    // The record commands, as they register themselves, and the toolbar's
    // buttons that run File > New, Delete and Properties.
    RegistroComandos registro;
    VentanaFalsa falsa;
    RegistrarComandosRegistro(registro, falsa);
    const QStringList deRegistro = registro.Nombres() + QStringList{"Nuevo", "Eliminar", "Propiedades"};

    // Exit goes last: it closes the window.
    QStringList nombres = v.Comandos().Nombres();
    ASSERT_TRUE(nombres.removeOne(QStringLiteral("mnuArchivoSalir")));
    nombres.append(QStringLiteral("mnuArchivoSalir"));
    int noDisponibles = 0;
    for (const QString& nombre : nombres) {
        SCOPED_TRACE(nombre.toStdString());
        const auto construido = construidos.constFind(nombre);
        const qsizetype mensajes = testsupport::scriptedUi().messages().size();
        if (construido != construidos.cend()) {
            if (construido->antes)
                construido->antes();
            Activar(nombre);
            construido->despues();
            EXPECT_EQ(testsupport::scriptedUi().messages().size(), mensajes) << "a built command shows no message";
            continue;
        }
        if (deRegistro.contains(nombre)) {
            Activar(nombre);
            EXPECT_EQ(testsupport::scriptedUi().messages().size(), mensajes) << "a record command shows no message";
            continue;
        }
        testsupport::scriptedUi().queueAnswer(ui::vbOK);
        Activar(nombre);
        ASSERT_EQ(testsupport::scriptedUi().messages().size(), mensajes + 1);
        const auto mensaje = testsupport::scriptedUi().messages().last();
        EXPECT_EQ(mensaje.text, QStringLiteral("¡Esta función no está disponible en esta instalación!"));
        EXPECT_EQ(mensaje.icon, ui::vbExclamation);
        ++noDisponibles;
    }
    EXPECT_EQ(noDisponibles, nombres.size() - construidos.size() - deRegistro.size());
    // The bank list's New, from the menu, the toolbar and the context menu.
    EXPECT_GE(acciones->llamadas.count(QStringLiteral("Nuevo(Bancos|Banco)")), 1)
        << acciones->llamadas.join(u' ').toStdString();
    EXPECT_GE(acciones->llamadas.count(QStringLiteral("Nuevo(Bancos|)")), 1);
    EXPECT_TRUE(informes.isEmpty()) << informes.join(u'\n').toStdString();
    EXPECT_TRUE(dialogos.isEmpty()) << dialogos.join(u' ').toStdString();
    widgets::DialogoRegistroEjecutor::Establecer(runner);
}

// The selected row of the bank list is the record the record commands act
// on: the toolbar's Properties and the context menu's Delete, each followed
// by a reload of the list.
TEST_F(ComandosPrincipal, RecordCommandsActOnTheSelectedRow)
{
    for (const char* nombre : {"Banco A", "Banco B"})
        den.conLocal.Exec(QStringLiteral("INSERT INTO Banco (Codigo, Nombre) VALUES ('0001', ?)"),
                          {QString::fromLatin1(nombre)});
    const qint64 segundo = den.conLocal.Query(QStringLiteral("SELECT MAX(IDBanco) FROM Banco"), {}).value(0).toInt64();
    frmPrincipal& v = Cargada();
    v.Mostrar();
    Arbol().setCurrentItem(Arbol().PorClave(QStringLiteral("c2")));
    emit Arbol().itemClicked(Arbol().PorClave(QStringLiteral("c2")), 0);
    ASSERT_EQ(Lista().RowCount(), 2);

    for (const char* control : {"Propiedades", "mnuSecundarioEliminar"}) {
        Lista().SetCurrentRow(1);
        Activar(QString::fromLatin1(control));
        EXPECT_EQ(Lista().RowCount(), 2) << control << ": the list was reloaded";
    }
    EXPECT_EQ(acciones->llamadas, (QStringList{QStringLiteral("Editar(Bancos|%1|Banco)").arg(segundo),
                                               QStringLiteral("Eliminar(Bancos|%1|)").arg(segundo)}));
    EXPECT_TRUE(informes.isEmpty()) << informes.join(u'\n').toStdString();
}

// A restore that replaced the parish database: the tree shows the restored
// nodes and a selected company the restored data lacks is no longer
// selected; the list is reloaded.
TEST_F(ComandosPrincipal, ARestoreReadsTheRestoredDataAgain)
{
    class Restauracion : public IServicioMantenimiento {
    public:
        explicit Restauracion(denDuzediv& den) : m_den(den) {}
        void RealizarCopiaSeg(ColeccionConexiones&, QStringList&, std::shared_ptr<compresor::ZlibTool>&,
                              PVAPI::cInfoConfiguracion&) override {}
        void RestaurarCopiaSeg(ColeccionConexiones& conexiones, QStringList&, std::shared_ptr<compresor::ZlibTool>&,
                               PVAPI::cInfoConfiguracion&) override
        {
            m_den.conLocal.Exec(QStringLiteral("UPDATE Nodo SET Nombre = 'Bancos y cajas' WHERE Nombre = 'Bancos'"), {});
            for (const auto& conexion : conexiones)
                conexion->RecuperadaCopiaSeg = true;
        }
        void CompactarRepararBD(ColeccionConexiones&, PVAPI::cInfoConfiguracion&) override {}
        void CambiarMunicipios(db::Connection&) override {}

    private:
        denDuzediv& m_den;
    };
    mantenimiento = std::make_shared<Restauracion>(den);
    frmPrincipal& v = Cargada();
    v.Estado().mlngCodEmpresaSeleccionada = 5;
    ASSERT_FALSE(Captions().contains(QStringLiteral("Bancos y cajas")));

    Activar(QStringLiteral("mnuHerramientasSeguridadRecuperar"));

    EXPECT_TRUE(Captions().contains(QStringLiteral("Bancos y cajas"))) << Captions().join(u'|').toStdString();
    EXPECT_EQ(v.Estado().mlngCodEmpresaSeleccionada, 0);
    EXPECT_TRUE(informes.isEmpty()) << informes.join(u'\n').toStdString();
}

TEST_F(ComandosPrincipal, F1OpensTheProgramsHelp)
{
    frmPrincipal& v = Cargada();
    const QList<QShortcut*> atajos = v.findChildren<QShortcut*>();
    const auto f1 = std::find_if(atajos.begin(), atajos.end(),
                                 [](const QShortcut* a) { return a->key() == QKeySequence(Qt::Key_F1); });
    ASSERT_NE(f1, atajos.end());
    emit(*f1)->activated();
    EXPECT_EQ(testsupport::scriptedUi().helpShown(),
              (QList<QPair<QString, int>>{{carpeta.path() + QStringLiteral("/Duzediv.html"), 0}}));
}

TEST_F(ComandosPrincipal, AnUnknownNameRaisesError5)
{
    frmPrincipal& v = Ventana();
    for (const char* nombre : {"mnuArchivoNuevo_Click", "mnuArchivoSeparador1", "mnuSecundario", "Separador"})
        EXPECT_EQ(testsupport::ErrorNumberOf([&] { v.Comandos().Ejecutar(QString::fromLatin1(nombre)); }), 5)
            << nombre;
}

// A command's failure is reported by the window's one wrapper, with the
// control's handler name, and the window stays usable.
TEST_F(ComandosPrincipal, AFailingCommandIsReportedOnceWithItsHandlerName)
{
    frmPrincipal& v = Cargada();
    v.Comandos().Registrar(QStringLiteral("mnuVerOpciones"),
                           [] { throw vb::VbError(3021, QStringLiteral("No hay registro actual")); });
    v.Comandos().Registrar(QStringLiteral("Eliminar"),
                           [] { throw vb::VbError(5, QStringLiteral("Llamada no válida")); });
    Activar(QStringLiteral("mnuVerOpciones"));
    Activar(QStringLiteral("Eliminar"));
    EXPECT_EQ(informes, (QStringList{"mnuVerOpciones_Click|frmPrincipal|NorviaParvanta2000",
                                     "tbPrincipal_ButtonClick|frmPrincipal|NorviaParvanta2000"}));
    EXPECT_TRUE(v.isEnabled());
}

} // namespace
