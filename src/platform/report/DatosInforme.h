#pragma once

#include "platform/report/CampoOrden.h"
#include "platform/report/Plantilla.h"
#include "platform/report/TablaDatos.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

namespace db {
class Connection;
}

namespace report {

// The related rows of one relation, found by the value of the main row's key.
struct DatosRelacion {
    TablaDatos tabla;
    int columnaClave = -1; // in the main table
    QHash<QString, QList<int>> filasPorClave;

    // The rows related to a main row, in the relation's order.
    const QList<int>& filasDe(const TablaDatos& principal, int fila) const;
};

// Every row a print needs, read before the page layout starts.
struct DatosInforme {
    TablaDatos principal;
    std::vector<DatosRelacion> relaciones; // in the template's order
};

// Reads the template's main table, sorted in SQL by the group fields and
// then by `orden` (the given sort fields, or the template's own when there
// are none), and the rows of its relations. Every table and column name is
// checked against the database's catalogue before it is quoted; errors are
// err::TablaDesconocida, err::CampoDesconocido, err::CampoOrden and
// err::LecturaDatos.
DatosInforme LeerDatos(db::Connection& con, const Plantilla& plantilla, const QStringList& orden);

} // namespace report
