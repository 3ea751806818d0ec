#pragma once

#include "platform/report/DatosInforme.h"
#include "platform/report/ModeloPaginas.h"
#include "platform/report/Plantilla.h"
#include "platform/report/TablaFormulas.h"

#include <QDate>
#include <QMarginsF>
#include <QString>

namespace report {

struct OpcionesMaquetacion {
    QMarginsF margenes; // millimetres; a side of 0 keeps the template's
    QString titulo;
    QDate fecha = QDate::currentDate(); // the print date of "{#Fecha}"
};

// Lays a template out over the rows read: report header, then per row the
// group headers, the detail (on a page of its own, in a label cell, or
// following the previous one), the group footers, and the report footer;
// page headers and footers on every page with their numbers. Sections that
// do not fit move to the next page; a section taller than what is left of
// a page continues on the next one, never cut inside a line. A template
// without a table prints its bands once. `datos` may be null only then.
ModeloPaginas Maquetar(const Plantilla& plantilla, const DatosInforme* datos, const TablaFormulas& formulas,
                       const OpcionesMaquetacion& opciones);

} // namespace report
