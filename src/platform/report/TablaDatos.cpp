#include "platform/report/TablaDatos.h"

namespace report {

TablaDatos::TablaDatos(const QString& nombre, db::Recordset& rs)
    : m_nombre(nombre)
{
    const db::Fields campos = rs.Fields();
    for (int i = 0; i < campos.Count(); ++i) {
        m_columnas << campos[i].Name();
        m_indices.insert(campos[i].Name().toCaseFolded(), i);
    }
    if (!rs.EOF_())
        m_filas = rs.GetRows();
}

int TablaDatos::columna(const QString& nombre) const
{
    return m_indices.value(nombre.toCaseFolded(), -1);
}

} // namespace report
