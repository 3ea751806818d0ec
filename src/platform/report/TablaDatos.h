#pragma once

#include "platform/db/Recordset.h"
#include "platform/db/Value.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace report {

// The rows of one work table as a print read them, in print order.
class TablaDatos {
public:
    TablaDatos() = default;
    // Reads every row of an open recordset.
    TablaDatos(const QString& nombre, db::Recordset& rs);

    const QString& nombre() const { return m_nombre; }
    const QStringList& columnas() const { return m_columnas; }
    // The column's index, letter case ignored; -1 when there is none.
    int columna(const QString& nombre) const;
    int filas() const { return m_filas.RecordCount(); }
    const db::Value& valor(int fila, int columna) const { return m_filas(columna, fila); }

private:
    QString m_nombre;
    QStringList m_columnas;
    QHash<QString, int> m_indices; // case-folded name -> index
    db::RowBlock m_filas;
};

} // namespace report
