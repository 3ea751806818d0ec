// The record commands, each run on a window stand-in with a selected node,
// a visible pane and a current row: which action it calls, with which
// arguments, and whether the list is reloaded after it.

#include "mainwindow/AccionesGrabadas.h"
#include "mainwindow/ComandosRegistro.h"

#include "core/RegistroComandos.h"
#include "support/ErrorNumber.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

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
    // Generate: a remittance whatever is selected, then that list reloaded.
    {"mnuGenerarRemesa", "Libros", "LibrosBautismo", nullptr, "Nuevo(Remesas|)", 1},
    {"mnuGenerarReciboCaja", "Bancos", "Bancos", nullptr, "Nuevo(Recibos por caja|)", 1},
    {"mnuGenerarNumerosCertificado", "Donantes", "", nullptr, "GenerarCertificado()", 1},
    {"mnuGenerarTotalesDiocesis", "Donantes", "", nullptr, "ExportarTotales()", 0},
    {"mnuGenerarModeloHacienda", "Donantes", "", nullptr, "ModeloHacienda()", 0},
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

    // Runs the command expecting the not-available answer and no action.
    void EsperarNoDisponible(const char* control)
    {
        testsupport::scriptedUi().queueAnswer(ui::vbOK);
        Ejecutar(control);
        ASSERT_FALSE(testsupport::scriptedUi().messages().isEmpty());
        EXPECT_EQ(testsupport::scriptedUi().messages().last().text,
                  QStringLiteral("¡Esta función no está disponible en esta instalación!"));
        EXPECT_TRUE(ventana.acciones.llamadas.isEmpty()) << ventana.acciones.llamadas.join(u' ').toStdString();
    }

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

// The accounting structure, its accounts and companies are not part of this
// installation yet: their commands say so and call no action.
TEST_F(ComandosRegistroTest, AccountingRecordsAreNotAvailable)
{
    ventana.estructura = true;
    Seleccionar("Activo", "Activo", "3");
    for (const char* control : {"mnuArchivoNuevo", "mnuArchivoPropiedades", "mnuArchivoEliminar"}) {
        SCOPED_TRACE(control);
        EsperarNoDisponible(control);
    }
    ventana.estructura = false;
    Seleccionar("Cuentas", "Cuentas", "3");
    EsperarNoDisponible("mnuArchivoPropiedades");
    Seleccionar("Empresas", "Empresas");
    EsperarNoDisponible("mnuSecundarioNuevo");
}

TEST_F(ComandosRegistroTest, ARowKeyThatIsNoNumberRaisesError13)
{
    Seleccionar("Bancos", "Bancos", "abc");
    for (const char* control : {"mnuArchivoPropiedades", "mnuSecundarioEliminar", "mnuMensajeriaReenviar"})
        EXPECT_EQ(testsupport::ErrorNumberOf([&] { Ejecutar(control); }), 13) << control;
    EXPECT_TRUE(ventana.acciones.llamadas.isEmpty());
}

} // namespace
