#include "mainwindow/ComandosRegistro.h"

#include "core/CcNodos.h"
#include "core/EstadoPrincipal.h"
#include "core/RegistroComandos.h"
#include "platform/pvapi/cCOperacion.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "platform/vb/Vb.h"

#include <functional>
#include <vector>

using PVAPI::cCOperacion;

namespace {

using V = IVentanaComandosRegistro;

// A row's key as the record id: a key that is no number raises error 13.
qint32 IdDeClave(const QString& clave) { return vb::CLng(vb::CDblEs(clave)); }

QString ClaveActual(const V& v) { return v.ClaveFila(v.FilaActual()); }

bool EsEstructura(const QString& caption)
{
    const CcNodos nodos;
    return caption == nodos.ACTIVO() || caption == nodos.PASIVO() || caption == nodos.DEBE()
           || caption == nodos.HABER();
}

// What a command does: the action, with the record id when it needs a row.
using Llamada = std::function<void(V& v, qint32& id)>;

// A command that needs a selected row does nothing, and says nothing,
// without one; the reload follows the action when the command asks for it.
struct ComandoRegistro {
    const char* control;
    bool necesitaFila;
    bool recargar;
    Llamada llamada;
};

void Ejecutar(V& v, const ComandoRegistro& c)
{
    qint32 id = 0;
    if (c.necesitaFila) {
        const QString clave = ClaveActual(v);
        if (clave.isEmpty())
            return;
        id = IdDeClave(clave);
    }
    c.llamada(v, id);
    if (c.recargar)
        v.ActualizarLista();
}

QString& Caption(V& v) { return v.Estado().mstrNombreNodo; }
QString& Clase(V& v) { return v.Estado().mstrDescripcionNodo; }

// The context menu's New; also File > New on the list and every entry of
// the toolbar's New drop-down. A new company is the accounting's.
void SecundarioNuevo(V& v)
{
    if (Caption(v) == CcNodos().EMPRESAS()) {
        ui::AvisoNoDisponible();
        return;
    }
    v.Acciones().Nuevo(Caption(v), Clase(v));
    v.ActualizarLista();
}

void ArchivoNuevo(V& v)
{
    const bool estructura = EsEstructura(Caption(v));
    if (v.EstructuraVisible() && estructura) {
        // A new heading of the accounting structure.
        ui::AvisoNoDisponible();
        return;
    }
    if (v.ListaVisible())
        SecundarioNuevo(v);
    if (v.EstructuraVisible() && !estructura)
        v.ActualizarLista();
}

void ArchivoPropiedades(V& v)
{
    if (v.EstructuraVisible()) {
        // Headings and accounts of the accounting structure.
        ui::AvisoNoDisponible();
        return;
    }
    if (!v.ListaVisible())
        return;
    const int fila = v.FilaActual();
    const QString clave = v.ClaveFila(fila);
    if (clave.isEmpty() || fila < 0 || fila >= v.NumeroFilas())
        return;
    qint32 id = IdDeClave(clave);
    const CcNodos nodos;
    if (Caption(v) == nodos.CUENTAS() || Caption(v) == nodos.SUBCUENTAS()) {
        ui::AvisoNoDisponible();
        return;
    }
    v.Acciones().Editar(Caption(v), id, Clase(v));
    v.ActualizarLista();
}

void ArchivoEliminar(V& v)
{
    if (v.EstructuraVisible()) {
        ui::AvisoNoDisponible();
        return;
    }
    if (!v.ListaVisible())
        return;
    const QString clave = ClaveActual(v);
    if (clave.isEmpty())
        return;
    qint32 id = IdDeClave(clave);
    v.Acciones().Eliminar(Caption(v), id, Clase(v));
    v.ActualizarLista();
}

// The hidden File > New sub-menu: New of a fixed kind, whatever node is
// selected, then the selected node's list is reloaded. The donation kinds
// read their caption from CcNodos at each call.
ComandoRegistro NuevoFijo(const char* control, std::function<QString()> caption, const char* clase)
{
    return {control, false, true, [caption = std::move(caption), clase](V& v, qint32&) {
                QString strTextSelect = caption();
                QString strTextDescription = QString::fromLatin1(clase);
                v.Acciones().Nuevo(strTextSelect, strTextDescription);
            }};
}

ComandoRegistro NuevoFijo(const char* control, const char* caption, const char* clase)
{
    return NuevoFijo(control, [caption] { return QString::fromLatin1(caption); }, clase);
}

// Captions of CcNodos read at each call.
std::function<QString()> Nodo(QString (CcNodos::*miembro)() const)
{
    return [miembro] { return (CcNodos().*miembro)(); };
}

// The Generate menu: a remittance and cash receipts are New on their fixed
// kinds, whatever node is selected; the list of the selected node is
// reloaded after what creates records.
std::vector<ComandoRegistro> MenuGenerar()
{
    return {
        NuevoFijo("mnuGenerarRemesa", Nodo(&CcNodos::REMESA), ""),
        NuevoFijo("mnuGenerarReciboCaja", Nodo(&CcNodos::RECIBOS), ""),
        {"mnuGenerarNumerosCertificado", false, true, [](V& v, qint32&) { v.Acciones().GenerarCertificado(); }},
        {"mnuGenerarTotalesDiocesis", false, false, [](V& v, qint32&) { v.Acciones().ExportarTotales(); }},
        {"mnuGenerarModeloHacienda", false, false, [](V& v, qint32&) { v.Acciones().ModeloHacienda(); }},
    };
}

std::vector<ComandoRegistro> SubmenuNuevo()
{
    const auto nodo = Nodo;
    return {
        NuevoFijo("mnuArchivoNuevoRecibosCaja", nodo(&CcNodos::RECIBOS), ""),
        NuevoFijo("mnuArchivoNuevoRemesa", nodo(&CcNodos::REMESA), ""),
        NuevoFijo("mnuArchivoNuevoBanco", nodo(&CcNodos::BANCO), ""),
        NuevoFijo("mnuArchivoNuevoTiposDonativo", nodo(&CcNodos::TIPODONATIVO), ""),
        NuevoFijo("mnuArchivoNuevoPresentador", nodo(&CcNodos::PRESENTADOR), ""),
        NuevoFijo("mnuArchivoNuevoInstitucion", nodo(&CcNodos::INSTITUCION), ""),
        NuevoFijo("mnuArchivoNuevoCaritativo", nodo(&CcNodos::CARITATIVO), ""),
        NuevoFijo("mnuArchivoNuevoLibroBautismo", "Libros", "LibrosBautismo"),
        NuevoFijo("mnuArchivoNuevoLibroConfirmacion", "Libros", "LibrosConfirmacion"),
        NuevoFijo("mnuArchivoNuevoLibroMatrimonio", "Libros", "LibrosMatrimonio"),
        NuevoFijo("mnuArchivoNuevoLibroDefuncion", "Libros", "LibrosDefuncion"),
        NuevoFijo("mnuArchivoNuevoPartidaBautismo", "Partidas", "PartidasBautismo"),
        NuevoFijo("mnuArchivoNuevoPartidaConfirmacion", "Partidas", "PartidasConfirmacion"),
        NuevoFijo("mnuArchivoNuevoPartidaMatrimonio", "Partidas", "PartidasMatrimonio"),
        NuevoFijo("mnuArchivoNuevoPartidaDefuncion", "Partidas", "PartidasDefuncion"),
        NuevoFijo("mnuArchivoNuevoSolicitudBautismo", "Solicitudes", "SolicitudesBautismo"),
        NuevoFijo("mnuArchivoNuevoSolicitudConfirmacion", "Solicitudes", "SolicitudesConfirmacion"),
        NuevoFijo("mnuArchivoNuevoSolicitudMatrimonio", "Solicitudes", "SolicitudesMatrimonio"),
    };
}

// Books > Close: the close of the book's sacrament, by the node's kind.
void CerrarLibro(V& v, qint32& id)
{
    using Cerrar = void (IAccionesRegistro::*)(QString&, qint32&);
    static const std::pair<const char*, Cerrar> kPorClase[] = {
        {"LibrosBautismo", &IAccionesRegistro::CerrarLibrosBautismo},
        {"LibrosConfirmacion", &IAccionesRegistro::CerrarLibrosConfirmacion},
        {"LibrosMatrimonio", &IAccionesRegistro::CerrarLibrosMatrimonio},
        {"LibrosDefuncion", &IAccionesRegistro::CerrarLibrosDefuncion},
    };
    const QString clase = Clase(v);
    for (const auto& [nombre, cerrar] : kPorClase) {
        if (clase == QLatin1String(nombre)) {
            (v.Acciones().*cerrar)(Caption(v), id);
            return;
        }
    }
}

std::vector<ComandoRegistro> MenusLibros()
{
    const Llamada nuevo = [](V& v, qint32&) { v.Acciones().Nuevo(Caption(v), Clase(v)); };
    const Llamada editar = [](V& v, qint32& id) { v.Acciones().Editar(Caption(v), id, Clase(v)); };
    const Llamada eliminar = [](V& v, qint32& id) { v.Acciones().Eliminar(Caption(v), id, Clase(v)); };
    return {
        {"mnuLibrosNuevo", false, true, nuevo},
        {"mnuLibrosPropiedades", true, true, editar},
        {"mnuLibrosEliminar", true, true, eliminar},
        {"mnuLibrosCerrar", true, true, CerrarLibro},
        {"mnuPartidasNueva", false, true, nuevo},
        {"mnuPartidasAntigua", false, true,
         [](V& v, qint32&) { v.Acciones().AntiguaPartida(Caption(v), Clase(v)); }},
        {"mnuPartidasPropiedades", true, true, editar},
        {"mnuPartidasEliminar", true, true, eliminar},
        {"mnuPartidasAnular", true, true,
         [](V& v, qint32& id) { v.Acciones().AnularDesanularPartida(id, Clase(v)); }},
        {"mnuSolicitudesNueva", false, true, nuevo},
        {"mnuSolicitudesPropiedades", true, true, editar},
        {"mnuSolicitudesEliminar", true, true, eliminar},
        {"mnuPasarSolicitudesALibros", false, true,
         [](V& v, qint32&) { v.Acciones().ImportarSolicitudes(Caption(v), Clase(v)); }},
    };
}

// The general context menu and the Messaging menu pass "" as the kind: the
// actions know the record kind by the caption.
std::vector<ComandoRegistro> MenusSecundarioYMensajeria()
{
    const auto editar = [](V& v, qint32& id) {
        QString vacio;
        v.Acciones().Editar(Caption(v), id, vacio);
    };
    const auto eliminar = [](V& v, qint32& id) {
        QString vacio;
        v.Acciones().Eliminar(Caption(v), id, vacio);
    };
    return {
        {"mnuSecundarioPropiedades", true, true, editar},
        {"mnuSecundarioEliminar", true, true, eliminar},
        {"mnuSecundarioGenerarDisco", true, false, [](V& v, qint32& id) { v.Acciones().GenerarDisco(id); }},
        {"mnuMensajeriaNuevo", false, false,
         [](V& v, qint32&) {
             QString vacio;
             v.Acciones().Nuevo(Caption(v), vacio);
         }},
        {"mnuMensajeriaPropiedades", true, false, editar},
        {"mnuMensajeriaEliminar", true, true, eliminar},
        {"mnuMensajeriaReenviar", true, false, [](V& v, qint32& id) { v.Acciones().ReenviarMensaje(id); }},
        {"mnuMensajeriaEnviarRecibir", false, true,
         [](V& v, qint32&) { v.Acciones().EnviarRecibirMensajes(cCOperacion::ENVIAR); }},
        {"mnuMensajeriaExportar", true, true,
         [](V& v, qint32& id) { v.Acciones().ExportarMensaje(cCOperacion::EXPORTAR, id); }},
        {"mnuMensajeriaImportar", false, true,
         [](V& v, qint32&) { v.Acciones().ImportarMensaje(cCOperacion::importar); }},
        {"mnuMensajeriaServidor", false, true, [](V& v, qint32&) { v.Acciones().ConexionServidor(); }},
        {"mnuMensajeriaConfig", false, false, [](V& v, qint32&) { v.Acciones().AsistenteCuentasCorreo(); }},
    };
}

} // namespace

void RegistrarComandosRegistro(RegistroComandos& comandos, IVentanaComandosRegistro& ventana)
{
    V* v = &ventana;
    comandos.Registrar(QStringLiteral("mnuArchivoNuevo"), [v] { ArchivoNuevo(*v); });
    comandos.Registrar(QStringLiteral("mnuArchivoPropiedades"), [v] { ArchivoPropiedades(*v); });
    comandos.Registrar(QStringLiteral("mnuArchivoEliminar"), [v] { ArchivoEliminar(*v); });
    comandos.Registrar(QStringLiteral("mnuSecundarioNuevo"), [v] { SecundarioNuevo(*v); });
    for (const auto& tabla : {SubmenuNuevo(), MenusLibros(), MenusSecundarioYMensajeria(), MenuGenerar()}) {
        for (const ComandoRegistro& c : tabla)
            comandos.Registrar(QString::fromLatin1(c.control), [v, c] { Ejecutar(*v, c); });
    }
}
