#include "agenda/CursorTareas.h"

CursorTareas::CursorTareas(db::Recordset rs, QList<QString TareaAgenda::*> campos)
    : m_rs(std::move(rs)), m_campos(std::move(campos))
{
    const db::Fields columnas = m_rs.Fields();
    for (int c = 0; c <= m_campos.size(); ++c)
        m_columnas.push_back(columnas[c]);
}

bool CursorTareas::Siguiente(TareaAgenda& tarea)
{
    if (!m_primera && !m_rs.isEOF())
        m_rs.MoveNext();
    m_primera = false;
    if (m_rs.isEOF())
        return false;
    tarea.IDTarea = qint32(m_columnas[0].Value().toInt64());
    for (int c = 0; c < m_campos.size(); ++c)
        tarea.*m_campos[c] = m_columnas[std::size_t(c) + 1].Value().toString();
    return true;
}
