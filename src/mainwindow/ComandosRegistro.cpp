#include "mainwindow/ComandosRegistro.h"

#include "core/CcNodos.h"
#include "core/EstadoPrincipal.h"
#include "core/RegistroComandos.h"
#include "platform/pvapi/cCOperacion.h"
#include "platform/ui/Ui.h"
#include "platform/vb/Vb.h"

#include <functional>
#include <optional>
#include <vector>

using PVAPI::cCOperacion;

namespace {

using V = IVentanaComandosRegistro;

// A row's key as the record id: a key that is no number raises error 13.
qint32 IdDeClave(const QString& clave) { return vb::CLng(vb::CDblEs(clave)); }

QString ClaveActual(const V& v) { return v.ClaveFila(v.FilaActual()); }

// The structure document and the nature of a new heading, by the caption
// of a structure node; none for any other caption.
struct CodigosEpigrafe {
    qint32 documento;
    qint32 naturaleza;
};

std::optional<CodigosEpigrafe> Codigos(const QString& caption)
{
    const CcNodos n;
    if (caption == n.ACTIVO())
        return CodigosEpigrafe{1, 1};
    if (caption == n.PASIVO())
        return CodigosEpigrafe{1, 2};
    if (caption == n.DEBE())
        return CodigosEpigrafe{2, 3};
    if (caption == n.HABER())
        return CodigosEpigrafe{2, 4};
    return std::nullopt;
}

bool EsEstructura(const QString& caption) { return Codigos(caption).has_value(); }

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

// Asks whether the company just made or chosen becomes the selected one;
// Yes points the accounting lists at it.
void PreguntarSeleccionarEmpresa(V& v, const QString& pregunta, qint32 lngID)
{
    ui::Beep();
    if (ui::MsgBox(pregunta, ui::vbYesNo + ui::vbQuestion) != ui::vbYes)
        return;
    v.Estado().mlngCodEmpresaSeleccionada = lngID;
    v.ActualizarNodosEmpresa();
}

// A new company: when it was made, the user may select it, wherever the
// list shows it (it may be on another page).
void NuevaEmpresa(V& v)
{
    qint32 nueva = 0;
    v.Acciones().NuevaEmpresa(nueva);
    v.ActualizarLista();
    if (nueva != 0 && v.ExisteEmpresa(nueva))
        PreguntarSeleccionarEmpresa(v, QStringLiteral("¿Desea seleccionar la nueva empresa?"), nueva);
}

// The context menu's New; also File > New on the list.
void SecundarioNuevo(V& v)
{
    if (Caption(v) == CcNodos().EMPRESAS()) {
        NuevaEmpresa(v);
        return;
    }
    v.Acciones().Nuevo(Caption(v), Clase(v));
    v.ActualizarLista();
}

// With the structure tree shown on a structure node, New adds a heading
// under a selected heading (an account selected: nothing); otherwise it is
// the list's New. A structure caption reloads nothing.
void ArchivoNuevo(V& v)
{
    const bool estructura = EsEstructura(Caption(v));
    if (v.EstructuraVisible() && estructura) {
        if (v.HayNodoEstructura() && v.ClaveNodoEstructura().startsWith(QLatin1Char('e')))
            v.Acciones().Nuevo(Caption(v), Clase(v));
        return;
    }
    if (v.ListaVisible())
        SecundarioNuevo(v);
    if (v.EstructuraVisible())
        v.ActualizarLista();
}

// The structure tree's Properties and Delete act on its selected node, by
// the navigation node's caption as the tree shows it; no reload.
template <class Llamar>
void EnEstructura(V& v, Llamar llamar)
{
    if (!v.HayNodoEstructura())
        return;
    if (const std::optional<CodigosEpigrafe> codigos = Codigos(v.TextoNodoNavegacion()))
        llamar(codigos->documento);
}

void EditarCuentaOSubcuenta(V& v, qint32 id)
{
    if (Caption(v) == CcNodos().CUENTAS())
        v.Acciones().EditarCuenta(id);
    else
        v.Acciones().EditarSubcuenta(id);
}

void ArchivoPropiedades(V& v)
{
    if (v.EstructuraVisible()) {
        EnEstructura(v, [&](qint32 documento) { v.Acciones().EditarEpigrafe(documento); });
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
    if (Caption(v) == nodos.CUENTAS() || Caption(v) == nodos.SUBCUENTAS())
        EditarCuentaOSubcuenta(v, id);
    else
        v.Acciones().Editar(Caption(v), id, Clase(v));
    v.ActualizarLista();
}

void ArchivoEliminar(V& v)
{
    if (v.EstructuraVisible()) {
        EnEstructura(v, [&](qint32 documento) { v.Acciones().EliminarEpigrafe(documento); });
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

// Prints from a row: the document of the row, with the node's kind; no
// reload.
std::vector<ComandoRegistro> MenusImprimir()
{
    using D = DocumentoRegistro;
    const auto documento = [](D d) -> Llamada {
        return [d](V& v, qint32& id) { v.Acciones().Imprimir(d, id, Clase(v)); };
    };
    const auto expediente = [](ExpedienteMatrimonio e) -> Llamada {
        return [e](V& v, qint32&) { v.Acciones().ImprimirExpediente(e, ClaveActual(v)); };
    };
    return {
        {"mnuLibrosImprimirLibros", true, false, documento(D::Libro)},
        {"mnuLibrosImprimirIndices", true, false, documento(D::IndiceLibro)},
        {"mnuPartidasImprimirLiteral", true, false, documento(D::CertificadoLiteral)},
        {"mnuPartidasImprimirCertificado", true, false, documento(D::Certificado)},
        {"mnuPartidasImprimirVolante", true, false, documento(D::Volante)},
        {"mnuPartidasImprimirPartidas", true, false, documento(D::Partida)},
        {"mnuPartidasImprimirNotificacion", true, false, documento(D::Notificacion)},
        {"mnuPartidasImprimirNotificacionSinLibro", false, false,
         [](V& v, qint32&) { v.Acciones().ImprimirPartidaSinLibro(); }},
        {"mnuPartidasImprimirComunicacion", true, false, documento(D::ComunicacionMatrimonio)},
        {"mnuSolicitudesImprimir", true, false, documento(D::SolicitudDatos)},
        {"mnuSolicitudesImprimirExhortoAmonestaciones", true, false, documento(D::ExhortoAmonestaciones)},
        // The marriage file takes the row's key as it is, no id.
        {"mnuSolicitudesImprimirExpedienteFormato1", true, false, expediente(ExpedienteMatrimonio::Formato1)},
        {"mnuSolicitudesImprimirExpedienteFormato2", true, false, expediente(ExpedienteMatrimonio::Formato2)},
        {"mnuSolicitudesImprimirExpedienteFormato3", true, false, expediente(ExpedienteMatrimonio::Formato3)},
        {"mnuSolicitudesImprimirResumenMatrimonio", true, false, expediente(ExpedienteMatrimonio::Resumen)},
        {"mnuSolicitudesImprimirResumenMatrimonio2", true, false, expediente(ExpedienteMatrimonio::Resumen2)},
        {"mnuSecundarioImprimir", false, false, [](V& v, qint32&) { v.Acciones().ImprimirRecibosCaja(); }},
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

// The Structure pop-up: the tree branch while the structure tree shows,
// else the account lists. Properties and Delete need a row on a visible list.
bool SinFilaEnLista(V& v) { return ClaveActual(v).isEmpty() && v.ListaVisible(); }

void EstructuraNuevo(V& v)
{
    if (v.EstructuraVisible()) {
        if (const std::optional<CodigosEpigrafe> c = Codigos(v.TextoNodoNavegacion()))
            v.Acciones().NuevoEpigrafe(c->documento, c->naturaleza);
        return;
    }
    if (Caption(v) == CcNodos().CUENTAS())
        v.Acciones().NuevaCuenta();
    else
        v.Acciones().NuevaSubcuenta();
    v.ActualizarLista();
}

void EstructuraPropiedades(V& v)
{
    if (SinFilaEnLista(v))
        return;
    if (v.EstructuraVisible()) {
        if (const std::optional<CodigosEpigrafe> c = Codigos(v.TextoNodoNavegacion()))
            v.Acciones().EditarEpigrafe(c->documento);
        return;
    }
    EditarCuentaOSubcuenta(v, IdDeClave(ClaveActual(v)));
    v.ActualizarLista();
}

void EstructuraEliminar(V& v)
{
    if (SinFilaEnLista(v))
        return;
    if (v.EstructuraVisible()) {
        if (const std::optional<CodigosEpigrafe> c = Codigos(v.TextoNodoNavegacion()))
            v.Acciones().EliminarEpigrafe(c->documento);
        return;
    }
    qint32 id = IdDeClave(ClaveActual(v));
    v.Acciones().Eliminar(Caption(v), id, Clase(v));
    v.ActualizarLista();
}

// "&Seleccionar" on the companies list; the list is not reloaded.
void SecundarioSeleccionar(V& v)
{
    const QString clave = ClaveActual(v);
    if (clave.isEmpty())
        return;
    PreguntarSeleccionarEmpresa(
        v, QStringLiteral("Se dispone a cambiar la empresa seleccionada.\r\n¿Desea continuar?"), IdDeClave(clave));
}

// The link with the accounting; the pointer comes back when it is done.
void EnlaceContabilidad(V& v)
{
    ui::Current().setMousePointer(ui::vbHourglass);
    struct Predeterminado {
        ~Predeterminado() { ui::Current().setMousePointer(ui::vbDefault); }
    } alTerminar;
    v.Acciones().EnlaceContabilidad();
}

} // namespace

void RegistrarComandosRegistro(RegistroComandos& comandos, IVentanaComandosRegistro& ventana)
{
    V* v = &ventana;
    comandos.Registrar(QStringLiteral("mnuArchivoNuevo"), [v] { ArchivoNuevo(*v); });
    comandos.Registrar(QStringLiteral("mnuArchivoPropiedades"), [v] { ArchivoPropiedades(*v); });
    comandos.Registrar(QStringLiteral("mnuArchivoEliminar"), [v] { ArchivoEliminar(*v); });
    comandos.Registrar(QStringLiteral("mnuSecundarioNuevo"), [v] { SecundarioNuevo(*v); });
    comandos.Registrar(QStringLiteral("mnuSecundarioSeleccionar"), [v] { SecundarioSeleccionar(*v); });
    comandos.Registrar(QStringLiteral("mnuEstructuraNuevo"), [v] { EstructuraNuevo(*v); });
    comandos.Registrar(QStringLiteral("mnuEstructuraPropiedades"), [v] { EstructuraPropiedades(*v); });
    comandos.Registrar(QStringLiteral("mnuEstructuraEliminar"), [v] { EstructuraEliminar(*v); });
    comandos.Registrar(QStringLiteral("mnuEstructuraAsignar"),
                       [v] { v->Acciones().AsignarCuenta(v->TextoNodoNavegacion()); });
    comandos.Registrar(QStringLiteral("mnuEstructuraDesasignar"),
                       [v] { v->Acciones().DesasignarCuenta(v->TextoNodoNavegacion()); });
    comandos.Registrar(QStringLiteral("mnuHerramientasEnlace"), [v] { EnlaceContabilidad(*v); });
    comandos.Registrar(QStringLiteral("mnuHerramientasEnlaceManual"), [v] { v->Acciones().EnlaceContabManual(); });
    // LanzarImportacionTablas: the wizard brings rows into the parish
    // database, so the list shown is read again after it.
    comandos.Registrar(QStringLiteral("mnuHerramientasImportarDatos"), [v] {
        v->Acciones().ImportarTablas();
        v->ActualizarLista();
    });
    for (const auto& tabla :
         {SubmenuNuevo(), MenusLibros(), MenusSecundarioYMensajeria(), MenuGenerar(), MenusImprimir()}) {
        for (const ComandoRegistro& c : tabla)
            comandos.Registrar(QString::fromLatin1(c.control), [v, c] { Ejecutar(*v, c); });
    }
}
