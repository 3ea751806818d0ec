#pragma once

#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
}

// Stores the hours a task was moved or resized to in the planner.
class cAgenda {
public:
    explicit cAgenda(db::Connection& conLocal);

    // Writes the start and end of the task with row id `IDTarea` from the
    // planner's slots (slot n is hour n - 1; end slot 25 is the end of the
    // day, stored as "2359"), in one transaction. `Origen` is EventoMOVE or
    // EventoRESIZE of cCAgenda; both store the same times. Raises
    // vb::VbError when the slots are not a span of the day, when the task
    // no longer exists or when the database fails; nothing is changed then.
    void ActualizaTarea(qint32 IDTarea, qint16 HoraInicio, qint16 HoraFin, const QString& Origen);

    // The stored text of a slot as a start or an end: slot 10 is "0900",
    // end slot 25 is "2359".
    static QString HoraDeSlot(int slot);
    // The stored text of a planner time: the end of the day, "2400", is
    // kept as "2359", since "2400" is no time of day.
    static QString HoraParaGuardar(const QString& hhmm);

private:
    db::Connection& m_con;
};
