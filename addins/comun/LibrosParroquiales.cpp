#include "comun/LibrosParroquiales.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroEleccion.h"

namespace addins {

using widgets::DialogoRegistroEjecutor;

namespace {

void Avisar(const QString& texto)
{
    DialogoRegistroEjecutor::Mensaje(texto, ui::vbOKOnly + ui::vbExclamation);
}

bool Preguntar(const QString& texto)
{
    return DialogoRegistroEjecutor::Mensaje(texto, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2) == ui::vbYes;
}

const QString kCambiadoMientras =
    QStringLiteral("¡Otro puesto lo ha cambiado mientras tanto! No se ha guardado nada: vuelva a intentarlo.");

} // namespace

void LibrosParroquiales::CerrarLibro(db::Connection& con, Sacramento sacramento, qint64 idLibro)
{
    const QString tabla = TablasRegistroLibros::TablaLibro(sacramento);
    const QString clave = TablasRegistroLibros::ClaveLibro(sacramento);
    db::Recordset libro =
        con.Query(QStringLiteral("SELECT Nombre, Cerrado FROM %1 WHERE %2 = ?").arg(tabla, clave), {idLibro});
    if (libro.isEOF()) {
        Avisar(QStringLiteral("¡El libro ya no existe: otro puesto lo ha eliminado!"));
        return;
    }
    const QString nombre = libro.value(0).toString();
    if (libro.value(1).toBool()) {
        Avisar(QStringLiteral("¡El libro «%1» ya está cerrado!").arg(nombre));
        return;
    }
    if (!Preguntar(QStringLiteral("¿Desea cerrar el libro «%1»?\r\n\r\nUn libro cerrado no admite partidas nuevas.")
                       .arg(nombre)))
        return;
    db::Transaction transaccion(con);
    const long long cerrados =
        con.Exec(QStringLiteral("UPDATE %1 SET Cerrado = True WHERE %2 = ? AND Cerrado = False").arg(tabla, clave),
                 {idLibro});
    transaccion.Commit();
    if (cerrados == 0)
        Avisar(kCambiadoMientras);
}

void LibrosParroquiales::AnularOValidar(db::Connection& con, Sacramento sacramento, qint64 idPartida)
{
    const QString tabla = TablasRegistroLibros::TablaPartida(sacramento);
    const QString clave = TablasRegistroLibros::ClavePartida(sacramento);
    db::Recordset partida = con.Query(QStringLiteral("SELECT Anulada FROM %1 WHERE %2 = ?").arg(tabla, clave), {idPartida});
    if (partida.isEOF()) {
        Avisar(QStringLiteral("¡La partida ya no existe: otro puesto la ha eliminado!"));
        return;
    }
    const bool anulada = partida.value(0).toBool();
    if (!Preguntar(anulada ? QStringLiteral("¿Desea que la partida anulada vuelva a ser válida?")
                           : QStringLiteral("¿Desea anular la partida seleccionada?")))
        return;
    db::Transaction transaccion(con);
    const long long cambiadas =
        con.Exec(QStringLiteral("UPDATE %1 SET Anulada = ? WHERE %2 = ? AND Anulada = ?").arg(tabla, clave),
                 {qint64(anulada ? 0 : -1), idPartida, qint64(anulada ? -1 : 0)});
    transaccion.Commit();
    if (cambiadas == 0)
        Avisar(kCambiadoMientras);
}

void LibrosParroquiales::PasarSolicitud(db::Connection& con, Sacramento sacramento)
{
    widgets::DialogoRegistroEleccion::Textos textos;
    textos.titulo = QStringLiteral("Pasar una solicitud al libro");
    textos.pregunta = QStringLiteral("Elija la solicitud que se escribe en el libro.");
    textos.etiqueta = QStringLiteral("Solicitud");
    textos.usar = QStringLiteral("&Pasar al libro");
    const qint64 solicitud =
        widgets::DialogoRegistroEleccion::Elegir(con, TablasRegistroLibros::ConsultaSolicitudes(sacramento), textos);
    if (solicitud == widgets::DialogoRegistroEleccion::Nueva) {
        Avisar(QStringLiteral("¡No hay solicitudes de este sacramento que pasar al libro!"));
        return;
    }
    if (solicitud == widgets::DialogoRegistroEleccion::Cancelada)
        return;
    widgets::DialogoRegistro::EditarRegistro(con, TablasRegistroLibros::SolicitudALibro(sacramento), solicitud);
}

} // namespace addins
