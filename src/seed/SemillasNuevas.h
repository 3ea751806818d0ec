#pragma once

#include <QList>
#include <QtGlobal>

namespace db {
class Connection;
}

// Rows that a newly made database carries: what an upgrade to the current
// versions leaves for the given edition's path. The tables must exist and be
// empty (a database just made by the layout code). Each function writes in one
// transaction on the connection it is given and throws vb::VbError on failure,
// leaving the tables as they were.

// Parish database: the 2.1.2 tree and list columns, the edition's report tree,
// the communities, deductions and street types with the 2.2.0 additions (17
// communities, every percentage 0 to 100 for each, the form-182 person types
// and the Modelo182 row), and our book formats (FormatosLibro.h). `aplicacion`
// is a PVAPI::cCAplicacion edition code.
void SembrarDuzedivNueva(db::Connection& conLocal, long aplicacion);

// Accounting database: the default chart of accounts, headings and links.
void SembrarContabilidadNueva(db::Connection& conContabilidad);

// A deduction row a community lacks: each community holds every percentage 0
// to 100 once. Listed by ascending community code, then percentage; a row
// with an empty cell does not count as present.
struct DeduccionQueFalta {
    qint64 porcentaje;
    qint64 comunidad;
};
QList<DeduccionQueFalta> DeduccionesQueFaltan(db::Connection& con);
