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

// The rows of a result, its columns read by position in `campos` order.
QList<TareaAgenda> Filas(db::Recordset rs, const QList<QString TareaAgenda::*>& campos)
{
    QList<TareaAgenda> filas;
    if (rs.RecordCount() == 0)
        return filas;
    const db::RowBlock bloque = rs.GetRows();
    filas.reserve(bloque.RecordCount());
    for (int r = 0; r < bloque.RecordCount(); ++r) {
        TareaAgenda t;
        t.IDTarea = qint32(bloque(0, r).toInt64());
        for (int c = 0; c < campos.size(); ++c)
            t.*campos[c] = bloque(c + 1, r).toString();
        filas.append(std::move(t));
    }
    return filas;
}

} // namespace

TareasAgenda::TareasAgenda(db::Connection& conLocal) : m_con(conLocal) {}

QList<TareaAgenda> TareasAgenda::DelDia(const QDate& dia) const
{
    return Filas(m_con.Query(QStringLiteral("SELECT IDTarea, Nombre, HoraInicio, HoraFin FROM Tareas "
                                            "WHERE Fecha = ? ORDER BY HoraInicio, IDTarea"),
                             {vb::DateAFechaTexto(dia)}),
                 {&TareaAgenda::Nombre, &TareaAgenda::HoraInicio, &TareaAgenda::HoraFin});
}

QList<TareaAgenda> TareasAgenda::DelMes(int anio, int mes) const
{
    // Day 31 closes every month: dates are compared as text.
    const QString mesTexto = CuatroCifras(anio) + DosCifras(mes);
    return Filas(m_con.Query(QStringLiteral("SELECT IDTarea, Nombre, Fecha, HoraInicio FROM Tareas "
                                            "WHERE Fecha >= ? AND Fecha <= ? ORDER BY Fecha, HoraInicio, Nombre"),
                             {mesTexto + QStringLiteral("01"), mesTexto + QStringLiteral("31")}),
                 {&TareaAgenda::Nombre, &TareaAgenda::Fecha, &TareaAgenda::HoraInicio});
}

std::optional<TareaAgenda> TareasAgenda::Leer(qint32 id) const
{
    const QList<TareaAgenda> filas =
        Filas(m_con.Query(QStringLiteral("SELECT IDTarea, Nombre, Descripcion, Fecha, HoraInicio, HoraFin "
                                         "FROM Tareas WHERE IDTarea = ?"),
                          {id}),
              {&TareaAgenda::Nombre, &TareaAgenda::Descripcion, &TareaAgenda::Fecha, &TareaAgenda::HoraInicio,
               &TareaAgenda::HoraFin});
    if (filas.isEmpty())
        return std::nullopt;
    return filas.first();
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
