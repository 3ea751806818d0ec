// The record commands, each run on a window stand-in with a selected node,
// a visible pane and a current row: which action it calls, with which
// arguments, and whether the list is reloaded after it.

#include "mainwindow/AccionesGrabadas.h"
#include "mainwindow/ComandosRegistro.h"

#include "core/RegistroComandos.h"
#include "support/ErrorNumber.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Caso {
    const char* control;
    const char* caption;
    const char* clase;
    // The current row's key; null: no row selected.
    const char* clave;
    const char* llamada; // null: no action
    int recargas;
};

// The second row of a list ("3", "7") is the current one when a key is given.
const Caso kCasos[] = {
    {"mnuArchivoNuevo", "Bancos", "Bancos", nullptr, "Nuevo(Bancos|Bancos)", 1},
    {"mnuSecundarioNuevo", "Donantes", "", nullptr, "Nuevo(Donantes|)", 1},
    {"mnuArchivoPropiedades", "Bancos", "Bancos", "7", "Editar(Bancos|7|Bancos)", 1},
    {"mnuArchivoPropiedades", "Bancos", "Bancos", nullptr, nullptr, 0},
    {"mnuArchivoEliminar", "Partidas", "PartidasBautismo", "12", "Eliminar(Partidas|12|PartidasBautismo)", 1},
    {"mnuArchivoEliminar", "Partidas", "PartidasBautismo", nullptr, nullptr, 0},
    // The hidden File > New sub-menu: a fixed kind, whatever is selected.
    {"mnuArchivoNuevoBanco", "Partidas", "PartidasBautismo", nullptr, "Nuevo(Bancos|)", 1},
    {"mnuArchivoNuevoRecibosCaja", "Bancos", "", nullptr, "Nuevo(Recibos por caja|)", 1},
    {"mnuArchivoNuevoPartidaDefuncion", "Bancos", "", nullptr, "Nuevo(Partidas|PartidasDefuncion)", 1},
    {"mnuArchivoNuevoSolicitudMatrimonio", "Bancos", "", nullptr, "Nuevo(Solicitudes|SolicitudesMatrimonio)", 1},
    // Books, Entries and Requests menus.
    {"mnuLibrosNuevo", "Libros", "LibrosBautismo", nullptr, "Nuevo(Libros|LibrosBautismo)", 1},
    {"mnuLibrosCerrar", "Libros", "LibrosMatrimonio", "3", "CerrarLibrosMatrimonio(Libros|3)", 1},
    {"mnuLibrosCerrar", "Libros", "LibrosDefuncion", nullptr, nullptr, 0},
    {"mnuPartidasAntigua", "Partidas", "PartidasBautismo", nullptr, "AntiguaPartida(Partidas|PartidasBautismo)", 1},
    {"mnuPartidasAnular", "Partidas", "PartidasBautismo", "5", "AnularDesanularPartida(5|PartidasBautismo)", 1},
    {"mnuSolicitudesPropiedades", "Solicitudes", "SolicitudesBautismo", "4",
     "Editar(Solicitudes|4|SolicitudesBautismo)", 1},
    {"mnuPasarSolicitudesALibros", "Solicitudes", "SolicitudesConfirmacion", nullptr,
     "ImportarSolicitudes(Solicitudes|SolicitudesConfirmacion)", 1},
    // The context menu and Messaging pass no kind.
    {"mnuSecundarioPropiedades", "Bancos", "Bancos", "9", "Editar(Bancos|9|)", 1},
    {"mnuSecundarioEliminar", "Bancos", "Bancos", "9", "Eliminar(Bancos|9|)", 1},
    {"mnuSecundarioGenerarDisco", "Remesas", "Remesas", "4", "GenerarDisco(4)", 0},
    {"mnuMensajeriaNuevo", "Enviados", "Enviados", nullptr, "Nuevo(Enviados|)", 0},
    {"mnuMensajeriaPropiedades", "Enviados", "Enviados", "2", "Editar(Enviados|2|)", 0},
    {"mnuMensajeriaReenviar", "Enviados", "Enviados", "2", "ReenviarMensaje(2)", 0},
    {"mnuMensajeriaEnviarRecibir", "Enviados", "Enviados", nullptr, "EnviarRecibirMensajes(4)", 1},
    {"mnuMensajeriaImportar", "Enviados", "Enviados", nullptr, "ImportarMensaje(5)", 1},
    {"mnuMensajeriaExportar", "Enviados", "Enviados", "8", "ExportarMensaje(6|8)", 1},
    {"mnuMensajeriaServidor", "Enviados", "Enviados", nullptr, "ConexionServidor()", 1},
    {"mnuMensajeriaConfig", "Enviados", "Enviados", nullptr, "AsistenteCuentasCorreo()", 0},
    // Prints from the row, with the node's kind; nothing without a row.
    {"mnuPartidasImprimirCertificado", "Partidas", "PartidasBautismo", "5", "Imprimir(3|5|PartidasBautismo)", 0},
    {"mnuPartidasImprimirCertificado", "Partidas", "PartidasBautismo", nullptr, nullptr, 0},
    {"mnuLibrosImprimirIndices", "Libros", "LibrosMatrimonio", "2", "Imprimir(1|2|LibrosMatrimonio)", 0},
    {"mnuSolicitudesImprimirExhortoAmonestaciones", "Solicitudes", "SolicitudesMatrimonio", "4",
     "Imprimir(9|4|SolicitudesMatrimonio)", 0},
    {"mnuPartidasImprimirNotificacionSinLibro", "Partidas", "PartidasDefuncion", nullptr, "ImprimirPartidaSinLibro()",
     0},
    {"mnuSolicitudesImprimirExpedienteFormato2", "Solicitudes", "SolicitudesMatrimonio", "9",
     "ImprimirExpediente(1|9)", 0},
    {"mnuSecundarioImprimir", "Recibos por caja", "", nullptr, "ImprimirRecibosCaja()", 0},
    // Generate: a remittance whatever is selected, then that list reloaded.
    {"mnuGenerarRemesa", "Libros", "LibrosBautismo", nullptr, "Nuevo(Remesas|)", 1},
    {"mnuGenerarReciboCaja", "Bancos", "Bancos", nullptr, "Nuevo(Recibos por caja|)", 1},
    {"mnuGenerarNumerosCertificado", "Donantes", "", nullptr, "GenerarCertificado()", 1},
    {"mnuGenerarTotalesDiocesis", "Donantes", "", nullptr, "ExportarTotales()", 0},
    {"mnuGenerarModeloHacienda", "Donantes", "", nullptr, "ModeloHacienda()", 0},
    // The import wizard, whatever is selected; the list then shows what came in.
    {"mnuHerramientasImportarDatos", "Bancos", "Bancos", nullptr, "ImportarTablas()", 1},
};

class ComandosRegistroTest : public ::testing::Test {
protected:
    ComandosRegistroTest() { RegistrarComandosRegistro(comandos, ventana); }

    void Seleccionar(const char* caption, const char* clase, const char* clave = nullptr)
    {
        ventana.estado.mstrNombreNodo = QString::fromUtf8(caption);
        ventana.estado.mstrDescripcionNodo = QString::fromUtf8(clase);
        ventana.claves = {QStringLiteral("1")};
        ventana.fila = -1;
        if (clave) {
            ventana.claves << QString::fromUtf8(clave);
            ventana.fila = 1;
        }
    }
    void Ejecutar(const char* control) { comandos.Ejecutar(QString::fromLatin1(control)); }

    RegistroComandos comandos;
    VentanaFalsa ventana;
};

TEST_F(ComandosRegistroTest, EachCommandCallsItsActionWithTheSelectedRecord)
{
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(std::string(c.control) + " " + c.caption + " " + (c.clave ? c.clave : "-"));
        Seleccionar(c.caption, c.clase, c.clave);
        ventana.acciones.llamadas.clear();
        ventana.recargas = 0;
        Ejecutar(c.control);
        EXPECT_EQ(ventana.acciones.llamadas, c.llamada ? QStringList{QString::fromUtf8(c.llamada)} : QStringList{});
        EXPECT_EQ(ventana.recargas, c.recargas);
    }
}

// File > New with the structure tree showing next to the list: a node that
// is no heading of the structure adds to the list and reloads twice, as
// both panes are refreshed.
TEST_F(ComandosRegistroTest, FileNewFollowsTheVisiblePanes)
{
    Seleccionar("Bancos", "Bancos");
    ventana.lista = false;
    Ejecutar("mnuArchivoNuevo");
    EXPECT_TRUE(ventana.acciones.llamadas.isEmpty());
    EXPECT_EQ(ventana.recargas, 0);

    ventana.lista = ventana.estructura = true;
    Ejecutar("mnuArchivoNuevo");
    EXPECT_EQ(ventana.acciones.llamadas, QStringList{"Nuevo(Bancos|Bancos)"});
    EXPECT_EQ(ventana.recargas, 2);
}

// The accounting commands by the pane that shows: the structure tree (its
// selected key, null for none, and the navigation caption as the tree shows
// it) or the account lists.
struct CasoContable {
    const char* control;
    const char* caption;
    bool estructura;
    const char* claveEstructura;
    const char* textoNavegacion;
    const char* clave; // the list's current row
    const char* llamada;
    int recargas;
};

const CasoContable kContables[] = {
    {"mnuArchivoNuevo", "Activo", true, "e12", "Activo", nullptr, "Nuevo(Activo|Activo)", 0},
    {"mnuArchivoNuevo", "Activo", true, "c4300", "Activo", nullptr, nullptr, 0},
    {"mnuArchivoNuevo", "Activo", true, nullptr, "Activo", nullptr, nullptr, 0},
    {"mnuArchivoPropiedades", "Debe", true, "c1", "Debe", nullptr, "EditarEpigrafe(2)", 0},
    {"mnuArchivoPropiedades", "Debe", true, nullptr, "Debe", nullptr, nullptr, 0},
    {"mnuArchivoEliminar", "Pasivo", true, "e1", "Pasivo", nullptr, "EliminarEpigrafe(1)", 0},
    {"mnuArchivoEliminar", "Pasivo", true, "e1", "Grupos", nullptr, nullptr, 0},
    {"mnuArchivoPropiedades", "Cuentas", false, nullptr, "Cuentas", "40", "EditarCuenta(40)", 1},
    {"mnuArchivoPropiedades", "SubCuentas", false, nullptr, "SubCuentas", "41", "EditarSubcuenta(41)", 1},
    {"mnuArchivoEliminar", "Cuentas", false, nullptr, "Cuentas", "40", "Eliminar(Cuentas|40|Cuentas)", 1},
    {"mnuEstructuraNuevo", "Haber", true, "e3", "Haber", nullptr, "NuevoEpigrafe(2|4)", 0},
    {"mnuEstructuraNuevo", "Grupos", true, "e3", "Grupos", nullptr, nullptr, 0},
    {"mnuEstructuraNuevo", "Cuentas", false, nullptr, "Cuentas", nullptr, "NuevaCuenta()", 1},
    {"mnuEstructuraNuevo", "SubCuentas", false, nullptr, "SubCuentas", nullptr, "NuevaSubcuenta()", 1},
    {"mnuEstructuraPropiedades", "Cuentas", false, nullptr, "Cuentas", nullptr, nullptr, 0},
    {"mnuEstructuraPropiedades", "Cuentas", false, nullptr, "Cuentas", "7", "EditarCuenta(7)", 1},
    {"mnuEstructuraPropiedades", "Activo", true, "c7", "Activo", nullptr, "EditarEpigrafe(1)", 0},
    {"mnuEstructuraEliminar", "SubCuentas", false, nullptr, "SubCuentas", "8",
     "Eliminar(SubCuentas|8|SubCuentas)", 1},
    {"mnuEstructuraEliminar", "Debe", true, "c7", "Debe", nullptr, "EliminarEpigrafe(2)", 0},
    // Assign and unassign pass the caption unchanged, whatever it is.
    {"mnuEstructuraAsignar", "Debe", true, nullptr, "Debe", nullptr, "AsignarCuenta(Debe)", 0},
    {"mnuEstructuraDesasignar", "Cuentas", false, nullptr, "Cuentas", nullptr, "DesasignarCuenta(Cuentas)", 0},
    {"mnuHerramientasEnlace", "Bancos", false, nullptr, "Bancos", nullptr, "EnlaceContabilidad()", 0},
    {"mnuHerramientasEnlaceManual", "Bancos", false, nullptr, "Bancos", nullptr, "EnlaceContabManual()", 0},
};

TEST_F(ComandosRegistroTest, AccountingCommandsFollowThePaneThatShows)
{
    for (const CasoContable& c : kContables) {
        SCOPED_TRACE(std::string(c.control) + " " + c.caption + (c.estructura ? " tree " : " list ")
                     + (c.claveEstructura ? c.claveEstructura : "-") + " " + (c.clave ? c.clave : "-"));
        Seleccionar(c.caption, c.caption, c.clave);
        ventana.estructura = c.estructura;
        ventana.lista = !c.estructura;
        ventana.claveEstructura = c.claveEstructura ? QString::fromLatin1(c.claveEstructura) : QString();
        ventana.textoNavegacion = QString::fromUtf8(c.textoNavegacion);
        ventana.acciones.llamadas.clear();
        ventana.recargas = 0;
        Ejecutar(c.control);
        EXPECT_EQ(ventana.acciones.llamadas, c.llamada ? QStringList{QString::fromUtf8(c.llamada)} : QStringList{});
        EXPECT_EQ(ventana.recargas, c.recargas);
    }
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

// New on "Empresas" makes a company and, when it is there, offers to select
// it, whatever page of the list shows it.
TEST_F(ComandosRegistroTest, ANewCompanyMayBecomeTheSelectedOne)
{
    struct Caso {
        qint32 nueva;
        bool existe;
        int respuesta; // 0: no question
        qint32 seleccionada;
    };
    const Caso casos[] = {{7, true, ui::vbYes, 7}, {7, true, ui::vbNo, 3}, {0, false, 0, 3}, {9, false, 0, 3}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nueva);
        testsupport::scriptedUi().reset();
        Seleccionar("Empresas", "Empresas");
        ventana.estado.mlngCodEmpresaSeleccionada = 3;
        ventana.empresasActualizadas.clear();
        ventana.recargas = 0;
        ventana.acciones.nuevaEmpresa = c.nueva;
        ventana.empresas.clear();
        if (c.existe)
            ventana.empresas << c.nueva;
        if (c.respuesta)
            testsupport::scriptedUi().queueAnswer(c.respuesta);
        Ejecutar("mnuSecundarioNuevo");
        EXPECT_EQ(ventana.recargas, 1);
        EXPECT_EQ(testsupport::scriptedUi().messages().size(), c.respuesta ? 1 : 0);
        if (c.respuesta) {
            EXPECT_EQ(testsupport::scriptedUi().messages().at(0).text,
                      QStringLiteral("¿Desea seleccionar la nueva empresa?"));
        }
        EXPECT_EQ(ventana.estado.mlngCodEmpresaSeleccionada, c.seleccionada);
        // Compared as vectors: QList's == hands memcmp a null pointer for
        // an empty list never allocated, which UBSan reports.
        const std::vector<qint32> actualizadas(ventana.empresasActualizadas.begin(),
                                               ventana.empresasActualizadas.end());
        EXPECT_EQ(actualizadas, c.seleccionada == c.nueva ? std::vector<qint32>{c.nueva} : std::vector<qint32>{});
    }
}

// "&Seleccionar" on the companies list asks first and reloads nothing.
TEST_F(ComandosRegistroTest, SelectingACompanyAsksAndPointsTheListsAtIt)
{
    Seleccionar("Empresas", "Empresas");
    Ejecutar("mnuSecundarioSeleccionar");
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty()) << "no row: nothing asked";

    Seleccionar("Empresas", "Empresas", "5");
    testsupport::scriptedUi().queueAnswer(ui::vbNo);
    Ejecutar("mnuSecundarioSeleccionar");
    EXPECT_EQ(ventana.estado.mlngCodEmpresaSeleccionada, 0);

    testsupport::scriptedUi().queueAnswer(ui::vbYes);
    Ejecutar("mnuSecundarioSeleccionar");
    ASSERT_EQ(testsupport::scriptedUi().messages().size(), 2);
    EXPECT_EQ(testsupport::scriptedUi().messages().at(1).text,
              QStringLiteral("Se dispone a cambiar la empresa seleccionada.\r\n¿Desea continuar?"));
    EXPECT_EQ(testsupport::scriptedUi().messages().at(1).buttons, ui::vbYesNo);
    EXPECT_EQ(ventana.estado.mlngCodEmpresaSeleccionada, 5);
    EXPECT_EQ(ventana.empresasActualizadas, QList<qint32>{5});
    EXPECT_EQ(ventana.recargas, 0);
}

TEST_F(ComandosRegistroTest, ARowKeyThatIsNoNumberRaisesError13)
{
    Seleccionar("Bancos", "Bancos", "abc");
    for (const char* control : {"mnuArchivoPropiedades", "mnuSecundarioEliminar", "mnuMensajeriaReenviar"})
        EXPECT_EQ(testsupport::ErrorNumberOf([&] { Ejecutar(control); }), 13) << control;
    EXPECT_TRUE(ventana.acciones.llamadas.isEmpty());
}

} // namespace
