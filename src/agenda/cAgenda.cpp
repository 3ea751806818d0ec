#include "agenda/cAgenda.h"

#include "agenda/TareasAgenda.h"
#include "agenda/cCAgenda.h"
#include "platform/db/Connection.h"
#include "platform/db/DbErrors.h"
#include "platform/db/Transaction.h"
#include "platform/vb/VbError.h"

cAgenda::cAgenda(db::Connection& conLocal) : m_con(conLocal) {}

void cAgenda::ActualizaTarea(qint32 IDTarea, qint16 HoraInicio, qint16 HoraFin, const QString& Origen)
{
    const cCAgenda codigos;
    if (Origen != codigos.EventoMOVE && Origen != codigos.EventoRESIZE)
        vb::ThrowInvalidCall();
    if (HoraInicio < 1 || HoraInicio >= HoraFin || HoraFin > 25)
        vb::ThrowInvalidCall();
    db::Transaction transaccion(m_con);
    if (!TareasAgenda(m_con).ActualizarHoras(IDTarea, HoraDeSlot(HoraInicio), HoraDeSlot(HoraFin)))
        throw vb::VbError(db::err::NoCurrentRecord,
                          QStringLiteral("La tarea ya no existe: puede que se haya eliminado desde otro puesto."));
    transaccion.Commit();
}

QString cAgenda::HoraDeSlot(int slot)
{
    if (slot >= 25)
        return QStringLiteral("2359");
    return QStringLiteral("%1").arg(slot - 1, 2, 10, QLatin1Char('0')) + QStringLiteral("00");
}

QString cAgenda::HoraParaGuardar(const QString& hhmm)
{
    return hhmm == u"2400" ? QStringLiteral("2359") : hhmm;
}
