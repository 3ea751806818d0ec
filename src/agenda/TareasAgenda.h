#pragma once

#include "agenda/CursorTareas.h"
#include "agenda/TareaAgenda.h"

#include <QDate>
#include <optional>

namespace db {
class Connection;
}

// The agenda's statements on `Tareas`. Tasks are found by their row id and
// every value is bound, so no title or date is ever part of the SQL text.
// Failures of the database raise vb::VbError.
class TareasAgenda {
public:
    explicit TareasAgenda(db::Connection& conLocal);

    // The tasks of a day (IDTarea, Nombre, HoraInicio, HoraFin), by start
    // time and then by id, so a day always loads in the same order.
    CursorTareas DelDia(const QDate& dia) const;
    // The tasks of a month (IDTarea, Nombre, Fecha, HoraInicio), by date,
    // start and title: the order of the month list when the times are well
    // formed.
    CursorTareas DelMes(int anio, int mes) const;
    // The whole row; nothing when there is no row with that id.
    std::optional<TareaAgenda> Leer(qint32 id) const;

    // A new row with an empty title and description; its id.
    qint32 InsertarProvisional(const QDate& dia, const QString& horaInicio, const QString& horaFin);
    // Another task of that day (any row but `excepto`) has the title, as the
    // database compares texts.
    bool ExisteTitulo(const QString& nombre, const QString& fecha, qint32 excepto) const;
    // False when there is no row with that id.
    bool ActualizarTexto(qint32 id, const QString& nombre, const QString& descripcion);
    bool ActualizarHoras(qint32 id, const QString& horaInicio, const QString& horaFin);
    bool Borrar(qint32 id);

    db::Connection& Conexion() { return m_con; }

private:
    db::Connection& m_con;
};
