#include "agenda/TareasAgenda.h"

#include "platform/db/Connection.h"
#include "platform/vb/Fechas.h"

namespace {

QString DosCifras(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString CuatroCifras(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

} // namespace

TareasAgenda::TareasAgenda(db::Connection& conLocal) : m_con(conLocal) {}

CursorTareas TareasAgenda::DelDia(const QDate& dia) const
{
    return {m_con.Query(QStringLiteral("SELECT IDTarea, Nombre, HoraInicio, HoraFin FROM Tareas "
                                       "WHERE Fecha = ? ORDER BY HoraInicio, IDTarea"),
                        {vb::DateAFechaTexto(dia)}),
            {&TareaAgenda::Nombre, &TareaAgenda::HoraInicio, &TareaAgenda::HoraFin}};
}

CursorTareas TareasAgenda::DelMes(int anio, int mes) const
{
    // Day 31 closes every month: dates are compared as text.
    const QString mesTexto = CuatroCifras(anio) + DosCifras(mes);
    return {m_con.Query(QStringLiteral("SELECT IDTarea, Nombre, Fecha, HoraInicio FROM Tareas "
                                       "WHERE Fecha >= ? AND Fecha <= ? ORDER BY Fecha, HoraInicio, Nombre"),
                        {mesTexto + QStringLiteral("01"), mesTexto + QStringLiteral("31")}),
            {&TareaAgenda::Nombre, &TareaAgenda::Fecha, &TareaAgenda::HoraInicio}};
}

std::optional<TareaAgenda> TareasAgenda::Leer(qint32 id) const
{
    CursorTareas fila(m_con.Query(QStringLiteral("SELECT IDTarea, Nombre, Descripcion, Fecha, HoraInicio, HoraFin "
                                                 "FROM Tareas WHERE IDTarea = ?"),
                                  {id}),
                      {&TareaAgenda::Nombre, &TareaAgenda::Descripcion, &TareaAgenda::Fecha,
                       &TareaAgenda::HoraInicio, &TareaAgenda::HoraFin});
    TareaAgenda tarea;
    if (!fila.Siguiente(tarea))
        return std::nullopt;
    return tarea;
}

qint32 TareasAgenda::InsertarProvisional(const QDate& dia, const QString& horaInicio, const QString& horaFin)
{
    m_con.Exec(QStringLiteral("INSERT INTO Tareas (HoraInicio, HoraFin, Descripcion, Nombre, Fecha) "
                              "VALUES (?, ?, '', '', ?)"),
               {horaInicio, horaFin, vb::DateAFechaTexto(dia)});
    return qint32(m_con.LastInsertId());
}

bool TareasAgenda::ExisteTitulo(const QString& nombre, const QString& fecha, qint32 excepto) const
{
    return m_con.Query(QStringLiteral("SELECT IDTarea FROM Tareas WHERE Nombre = ? AND Fecha = ? AND IDTarea <> ?"),
                       {nombre, fecha, excepto})
               .RecordCount()
        > 0;
}

bool TareasAgenda::ActualizarTexto(qint32 id, const QString& nombre, const QString& descripcion)
{
    return m_con.Exec(QStringLiteral("UPDATE Tareas SET Nombre = ?, Descripcion = ? WHERE IDTarea = ?"),
                      {nombre, descripcion, id})
        > 0;
}

bool TareasAgenda::ActualizarHoras(qint32 id, const QString& horaInicio, const QString& horaFin)
{
    return m_con.Exec(QStringLiteral("UPDATE Tareas SET HoraInicio = ?, HoraFin = ? WHERE IDTarea = ?"),
                      {horaInicio, horaFin, id})
        > 0;
}

bool TareasAgenda::Borrar(qint32 id)
{
    return m_con.Exec(QStringLiteral("DELETE FROM Tareas WHERE IDTarea = ?"), {id}) > 0;
}
