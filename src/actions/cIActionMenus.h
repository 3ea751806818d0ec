#pragma once

#include "startup/IAccionesSetup.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class App;
class IVentanaAcciones;
class QTreeWidget;
class cConfigContabilidad;
struct FilaAccion;

// Every command on a record kind. The record kind is the caption of the
// selected navigation node (`strTextSelect`), compared exactly with the node
// names of CcNodos in a fixed order per command; the command goes to the
// owner of that kind, an add-in or the shared service object, with the
// connections, the shared configuration, the record id and the kind key
// (`strTextDescription`). Arguments taken by reference reach the owner by
// reference. A caption that names no kind of the command does nothing.
//
// The pointer shows the hourglass while an owner works and the default
// pointer afterwards; Delete disables the main window while most owners
// work. Both come back on every path: an error raised by an owner leaves
// the method unchanged, for the calling handler to report, but never leaves
// the window disabled or the hourglass on.
//
// The object holds no state of its own: the main window makes one and hands
// itself over; the start-up makes one without a window for the two set-ups.
class cIActionMenus : public IAccionesSetup {
public:
    explicit cIActionMenus(App& app, IVentanaAcciones* ventana = nullptr);

    // New, Properties and Delete on the record kind `strTextSelect`.
    void Nuevo(QString& strTextSelect, QString& strTextDescription);
    void Editar(QString& strTextSelect, qint32& lngID, QString& strTextDescription);
    void Eliminar(QString& strTextSelect, qint32& lngID, QString& strTextDescription);

    // Donations: the tax model (printed with the window's report control),
    // the totals for the diocese, certificate numbers, the remittance's bank
    // file.
    void ModeloHacienda();
    void ExportarTotales();
    void GenerarCertificado();
    void GenerarDisco(qint32& lngIDRemesa);

    // Parish books. ImportarSolicitudes leaves the hourglass on for the
    // list reload that follows; AnularDesanularPartida leaves the pointer
    // alone.
    void ImportarSolicitudes(QString& strTextSelect, QString& strTextDescription);
    void AntiguaPartida(QString& strTextSelect, QString& strTextDescription);
    void CerrarLibrosBautismo(QString& strTextSelect, qint32& lngID);
    void CerrarLibrosConfirmacion(QString& strTextSelect, qint32& lngID);
    void CerrarLibrosMatrimonio(QString& strTextSelect, qint32& lngID);
    void CerrarLibrosDefuncion(QString& strTextSelect, qint32& lngID);
    void AnularDesanularPartida(qint32& lngID, QString& strTextDescription);

    // Document prints of the selected book, entry or request (`lngID`, kind
    // key `strDescripcion`), through the parish add-in; a kind the command
    // does not print does nothing. Cash receipts of `colRecibos` (nothing
    // when empty) and the banns exhortation report their own errors.
    void ImprimirLibro(qint32& lngID, QString& strDescripcion);
    void ImprimirIndiceLibro(qint32& lngID, QString& strDescripcion);
    void ImprimirPartidaSinLibro();
    void ImprimirPartida(qint32& lngID, QString& strDescripcion);
    void ImprimirVolante(qint32& lngID, QString& strDescripcion);
    void ImprimirNotificacion(qint32& lngID, QString& strDescripcion);
    void ImprimirSolicitudPartidaDatos(qint32& lngID, QString& strDescripcion);
    void ImprimirCertificadoPartida(qint32& lngID, QString& strDescripcion);
    void ImprimirCertificadoLiteralPartida(qint32& lngID, QString& strDescripcion);
    void ImprimirComunicacionMatrimonio(qint32& lngID);
    void ImprimirRecibos(const QList<qint32>& colRecibos);
    // The cash receipts the donations add-in chooses, printed when it
    // chooses some.
    void ImprimirRecibosCaja();
    void ImprimirExhortoAmonestacionesMatrimonio(qint32& lngID);
    // The marriage file (formats 1 to 3) and the two summary pages of the
    // marriage request with the list row's key `strClave` (nothing for "").
    void ImprimirExpedienteFormato1(const QString& strClave);
    void ImprimirExpedienteFormato2(const QString& strClave);
    void ImprimirExpedienteFormato3(const QString& strClave);
    void ImprimirResumenMatrimonio(const QString& strClave);
    void ImprimirResumenMatrimonio2(const QString& strClave);
    // The margins dialog of books and entries.
    void PrepararPagina();

    // The import wizard, only while no other workstation uses the parish
    // database; none may start the program while it runs.
    void ImportarTablas();

    // Set-up of a newly installed add-in at start-up: a new object of the
    // add-in, made by class name, sets up its data. False ends the start-up.
    bool SetupVodidazaz() override;
    bool SetupGestionParroquial() override;

    // Messaging. The operation codes are those of PVAPI::cCOperacion; the
    // exchange takes its code as a byte (VB error 6 outside 0..255).
    void ReenviarMensaje(qint32& lngID);
    void EnviarRecibirMensajes(qint16 intOperacion);
    void ImportarMensaje(qint16 intOperacion);
    void ExportarMensaje(qint16 intOperacion, qint32& lngID);
    void ConexionServidor();
    void AsistenteCuentasCorreo();

    // Removes an institution with its donations side only (accounts and
    // account links, presenter links, receipts, donations, remittance
    // totals, donors left without type), after its own question; refused
    // while mail operations of the institution are unfinished, or while it
    // has books, entries, activities or census members. No command calls it:
    // Delete on an institution opens the removal dialog, which takes all.
    void EliminaInstitucion(qint32& lngCodInstitucion);

    // The chart of the selected company (`lngEmpresa`) through the accounting
    // add-in: headings of the structure tree (document 1 balance sheet, 2
    // profit and loss; nature 1 to 4), accounts and sub-accounts, the
    // assignment of accounts to headings by the nature's caption. The tree
    // and `objConfig` go to the add-in by reference. A nature caption or a
    // tree account the accounting database does not know calls nothing.
    // New and Properties of accounts leave the hourglass for the caller's
    // list reload; the heading commands end with the default pointer.
    void NuevoEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa, qint32 lngDocumento,
                       qint32 lngNaturaleza, bool& blnCancelar);
    void EditarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa, qint32 lngDocumento,
                        bool& blnCancelar);
    void EliminarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa,
                          qint32 lngDocumento);
    void NuevaCuenta(cConfigContabilidad& objConfig, qint32 lngEmpresa);
    void EditarCuenta(cConfigContabilidad& objConfig, qint32 lngEmpresa, qint32 lngCuenta);
    void NuevaSubcuenta(cConfigContabilidad& objConfig, qint32 lngEmpresa);
    void EditarSubcuenta(cConfigContabilidad& objConfig, qint32 lngEmpresa, qint32 lngSubcuenta);
    void AsignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa,
                       const QString& strNaturaleza, bool& blnCancelar);
    void DesasignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta, qint32 lngEmpresa,
                          const QString& strNaturaleza);
    // A new company; its id (0 when none was made) in `lngCodNuevaEmpr`.
    void NuevaEmpresa(qint32& lngCodNuevaEmpr);

    // The link between donations and the accounting, by the donations add-in.
    void EnlaceContabilidad();
    void EnlaceContabManual();

private:
    // Delete on a bank: refused while institutions, donors or presenters
    // use it; otherwise, after the question, the bank goes with its
    // accounts and everything that depends on them, all or nothing.
    void DeleteBanco(qint32& lngIDBanco);

    // The Delete command's dispatch table (its rows reach DeleteBanco).
    static const QList<FilaAccion>& TablaEliminar();

    // The main window; VB error 91 for the start-up's object, which has none.
    IVentanaAcciones& Ventana() const;

    App& m_app;
    IVentanaAcciones* m_ventana;
};
