#pragma once

#include <QString>
#include <QtGlobal>

class RegistroComandos;
struct EstadoPrincipal;

// The documents printed from a row of the Books, Entries and Requests menus.
enum class DocumentoRegistro {
    Libro,
    IndiceLibro,
    CertificadoLiteral,
    Certificado,
    Volante,
    Partida,
    Notificacion,
    SolicitudDatos,
    ComunicacionMatrimonio,
    ExhortoAmonestaciones,
};

// The marriage file's prints of a marriage request.
enum class ExpedienteMatrimonio { Formato1, Formato2, Formato3, Resumen, Resumen2 };

// The record actions the window's record commands call, with the
// arguments of cIActionMenus (by reference where the action may change
// them). AccionesMenus forwards them to the window's one action object;
// tests record them.
class IAccionesRegistro {
public:
    virtual ~IAccionesRegistro() = default;

    virtual void Nuevo(QString& strTextSelect, QString& strTextDescription) = 0;
    virtual void Editar(QString& strTextSelect, qint32& lngID, QString& strTextDescription) = 0;
    virtual void Eliminar(QString& strTextSelect, qint32& lngID, QString& strTextDescription) = 0;

    virtual void AntiguaPartida(QString& strTextSelect, QString& strTextDescription) = 0;
    virtual void ImportarSolicitudes(QString& strTextSelect, QString& strTextDescription) = 0;
    virtual void CerrarLibrosBautismo(QString& strTextSelect, qint32& lngID) = 0;
    virtual void CerrarLibrosConfirmacion(QString& strTextSelect, qint32& lngID) = 0;
    virtual void CerrarLibrosMatrimonio(QString& strTextSelect, qint32& lngID) = 0;
    virtual void CerrarLibrosDefuncion(QString& strTextSelect, qint32& lngID) = 0;
    virtual void AnularDesanularPartida(qint32& lngID, QString& strTextDescription) = 0;
    virtual void GenerarDisco(qint32& lngIDRemesa) = 0;
    virtual void GenerarCertificado() = 0;
    virtual void ExportarTotales() = 0;
    virtual void ModeloHacienda() = 0;

    virtual void ReenviarMensaje(qint32& lngID) = 0;
    virtual void EnviarRecibirMensajes(qint16 intOperacion) = 0;
    virtual void ImportarMensaje(qint16 intOperacion) = 0;
    virtual void ExportarMensaje(qint16 intOperacion, qint32& lngID) = 0;
    virtual void ConexionServidor() = 0;
    virtual void AsistenteCuentasCorreo() = 0;

    // The chart of the selected company; the window supplies the
    // accounting configuration, the structure tree and the company.
    virtual void NuevoEpigrafe(qint32 lngDocumento, qint32 lngNaturaleza) = 0;
    virtual void EditarEpigrafe(qint32 lngDocumento) = 0;
    virtual void EliminarEpigrafe(qint32 lngDocumento) = 0;
    virtual void AsignarCuenta(const QString& strNaturaleza) = 0;
    virtual void DesasignarCuenta(const QString& strNaturaleza) = 0;
    virtual void NuevaCuenta() = 0;
    virtual void NuevaSubcuenta() = 0;
    virtual void EditarCuenta(qint32 lngCuenta) = 0;
    virtual void EditarSubcuenta(qint32 lngSubcuenta) = 0;
    virtual void NuevaEmpresa(qint32& lngCodNuevaEmpr) = 0;
    virtual void EnlaceContabilidad() = 0;
    virtual void EnlaceContabManual() = 0;

    // Prints: a document of the row `lngID` of kind `strDescripcion`; the
    // entry notification without a book; the cash receipts the donations
    // add-in chooses; a marriage file of the request with key `strClave`.
    virtual void Imprimir(DocumentoRegistro documento, qint32& lngID, QString& strDescripcion) = 0;
    virtual void ImprimirPartidaSinLibro() = 0;
    virtual void ImprimirRecibosCaja() = 0;
    virtual void ImprimirExpediente(ExpedienteMatrimonio expediente, const QString& strClave) = 0;

    // The import wizard, with the parish database to itself.
    virtual void ImportarTablas() = 0;
};

// What the record commands read of the main window: the selected node,
// which right-hand pane shows, the record list's current row, the list
// reload and the actions.
class IVentanaComandosRegistro {
public:
    virtual ~IVentanaComandosRegistro() = default;

    // `mstrNombreNodo` and `mstrDescripcionNodo` go to the actions by
    // reference: an action receives the window's own members.
    virtual EstadoPrincipal& Estado() = 0;

    // The record list `msgPrincipal` and the accounting structure tree
    // `trvConta`, by their own visibility flags.
    virtual bool ListaVisible() const = 0;
    virtual bool EstructuraVisible() const = 0;

    // The list's current row (-1: none), the key of a row ("" outside the
    // rows) and the number of rows.
    virtual int FilaActual() const = 0;
    virtual QString ClaveFila(int fila) const = 0;
    virtual int NumeroFilas() const = 0;

    // `mnuVerActualizarLista_Click`.
    virtual void ActualizarLista() = 0;

    // The accounting structure tree `trvConta`: whether a node is selected,
    // and its key, trimmed ("" without one).
    virtual bool HayNodoEstructura() const = 0;
    virtual QString ClaveNodoEstructura() const = 0;
    // The caption of the navigation tree's selected node, as the tree shows
    // it now.
    virtual QString TextoNodoNavegacion() const = 0;
    // Whether company `lngID` has its row in the accounting database.
    virtual bool ExisteEmpresa(qint32 lngID) const = 0;
    // `ActualizarNodosEmpresa`, once `mlngCodEmpresaSeleccionada` is set.
    virtual void ActualizarNodosEmpresa() = 0;

    // The window's action object, read again at every call.
    virtual IAccionesRegistro& Acciones() = 0;
};

// Registers the commands on records: File > New, Properties and Delete
// (also the toolbar's buttons and a row's double-click, through them) and
// the hidden File > New sub-menu; the general context menu; the record and
// print items of the Books, Entries and Requests menus; the Messaging and
// Generate menus; the Structure pop-up and the accounting link. A handler
// that needs a row does nothing without one; the actions ask their own
// confirmations.
void RegistrarComandosRegistro(RegistroComandos& comandos, IVentanaComandosRegistro& ventana);
