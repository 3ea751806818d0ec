#include "PVMensajeria/MensajeriaSustituto.h"

#include "comun/AvisoNoDisponible.h"
#include "comun/TablasRegistroMensajes.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroError.h"
#include "comun/ModuloDeUnaClase.h"

namespace addins {

using widgets::DialogoRegistro;
using widgets::DialogoRegistroDatos;

namespace {

// A message written here: in the outbox, from the user of the run.
DialogoRegistroDatos MensajeNuevo(const PVAPI::cInfoConfiguracion& objInfoConfig)
{
    DialogoRegistroDatos mensaje(TablasRegistroMensajes::Mensaje());
    mensaje.Nuevo();
    mensaje.EstablecerValor(QStringLiteral("Remitente"), objInfoConfig.Usuario);
    return mensaje;
}

// The message's row as stored; false (and the user told) when it is gone.
bool Leer(db::Connection& conLocal, qint32 lngID, DialogoRegistroDatos& mensaje)
{
    try {
        mensaje.Cargar(conLocal, lngID);
        return true;
    } catch (const widgets::DialogoRegistroError& error) {
        widgets::DialogoRegistroEjecutor::Mensaje(error.texto(), ui::vbOKOnly + ui::vbExclamation);
        return false;
    }
}

} // namespace

void MensajeriaSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("PVMensajeria"), QString::fromLatin1(funcion));
}

void MensajeriaSustituto::NuevoMensaje(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    DialogoRegistroDatos mensaje = MensajeNuevo(objInfoConfig);
    DialogoRegistro::Editar(conLocal, mensaje);
}

void MensajeriaSustituto::PropiedadesMensaje(qint32& lngID, db::Connection& conLocal, PVAPI::cInfoConfiguracion&)
{
    // Only a message still in the outbox can be changed; one received or
    // sent is shown as it is.
    db::Recordset bandeja = conLocal.Query(QStringLiteral("SELECT Nodo FROM Mensaje WHERE IDMensaje = ?"), {lngID});
    const bool enSalida = !bandeja.isEOF() && bandeja.value(0).toString() == TablasRegistroMensajes::BandejaSalida();
    DialogoRegistroDatos mensaje(enSalida ? TablasRegistroMensajes::Mensaje() : TablasRegistroMensajes::MensajeLeido());
    if (Leer(conLocal, lngID, mensaje))
        DialogoRegistro::Editar(conLocal, mensaje);
}

void MensajeriaSustituto::EliminarMensaje(db::Connection& conLocal, qint32& lngID)
{
    DialogoRegistro::EliminarRegistro(conLocal, TablasRegistroMensajes::Mensaje(), lngID,
                                      QStringLiteral("¿Desea eliminar el mensaje seleccionado?"));
}

void MensajeriaSustituto::ReenviarMensaje(qint32& lngID, db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    DialogoRegistroDatos original(TablasRegistroMensajes::MensajeLeido());
    if (!Leer(conLocal, lngID, original))
        return;
    DialogoRegistroDatos reenvio = MensajeNuevo(objInfoConfig);
    const QString texto = QStringLiteral("----- Mensaje reenviado -----\r\nDe: %1\r\nPara: %2\r\nFecha: %3\r\n\r\n%4")
                              .arg(original.Valor(QStringLiteral("Remitente")).toString(),
                                   original.Valor(QStringLiteral("Destinatario")).toString(),
                                   vb::FechaTextoAFecha(original.Valor(QStringLiteral("FechaEnvio")).toString()),
                                   original.Valor(QStringLiteral("Descripcion")).toString());
    reenvio.EstablecerValor(QStringLiteral("Descripcion"), texto);
    DialogoRegistro::Editar(conLocal, reenvio, QStringLiteral("Reenviar mensaje"));
}

void MensajeriaSustituto::EnviarRecibirMensajes(db::Connection&, quint8)
{
    NoDisponible("EnviarRecibirMensajes");
}

void MensajeriaSustituto::ImportarMensaje(db::Connection&, qint16&)
{
    NoDisponible("ImportarMensaje");
}

void MensajeriaSustituto::ExportarMensaje(db::Connection&, qint16&, qint32&)
{
    NoDisponible("ExportarMensaje");
}

void MensajeriaSustituto::ConexionServidor(db::Connection&, qint16, QString&)
{
    NoDisponible("ConexionServidor");
}

void MensajeriaSustituto::AsistenteCuentasCorreo(db::Connection&)
{
    NoDisponible("AsistenteCuentasCorreo");
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::MensajeriaSustituto)
