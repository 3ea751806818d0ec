#pragma once

#include "schema/DefinicionEsquema.h"

#include <QString>
#include <QStringList>

namespace db {
class Connection;
}

// The layouts of the three databases at their current versions, and the
// statements that make them. The upgrade code changes older databases to
// these same layouts; a test compares both with LeerEstructura and
// CompararEstructura (EstructuraReal.h).

inline const QString VERSION_DUZEDIV = QStringLiteral("2.2.0");
inline const QString VERSION_CONTABILIDAD = QStringLiteral("1.0.2");

const EsquemaDef& EsquemaDuzediv();       // "Duzediv.mdb" at 2.2.0
const EsquemaDef& EsquemaInformes();      // "Informes.mdb": report work tables
const EsquemaDef& EsquemaContabilidad();  // "Contabilidad.mdb" at 1.0.2

// The Jet DDL that creates a layout: one CREATE TABLE per table, in the order
// of the description, then one CREATE INDEX per index.
QStringList SentenciasCrearEsquema(const EsquemaDef& esquema);

// Creates every table and index of the layout on an empty database in one
// transaction and writes the one `Informacion` row (current version; in the
// parish database the add-in flags False). Throws vb::VbError and leaves the
// database unchanged when a statement fails. No seed rows are written. The
// parish database also gets the census count (RecuentoCenso.h).
void CrearEstructuraDuzediv(db::Connection& con);
void CrearEstructuraInformes(db::Connection& con);
void CrearEstructuraContabilidad(db::Connection& con);

// The same for any description (tests build old layouts this way).
void CrearEstructura(db::Connection& con, const EsquemaDef& esquema);

// Creates the indexes of the description that the database lacks (matched by
// table and columns, whatever their names), in one transaction. The upgrade
// runs it so that an upgraded database lists as fast as a fresh one; indexes
// whose table or columns are missing are left out. Returns how many it made.
int CrearIndicesQueFalten(db::Connection& con, const EsquemaDef& esquema);
