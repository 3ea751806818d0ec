#pragma once

#include <QString>

struct sqlite3;

namespace db {
class Connection;
}

// The census counted by the database: how many rows the join of Padron and
// Padron_TipoPersona (`Padron.IDPadron = Padron_TipoPersona.CodPadron`) gives
// for each institution of the census (`Padron.CodInstitucionEmpadronado`) and
// person type (`Padron_TipoPersona.CodTipoPersona`), kept in the table
// `Recuento_Institucion_TipoPersona` by six triggers on both tables. The
// rows of a census query of one person type, joined to `Institucion` by
// `Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado` and
// without any other condition, are then the sum of its counts over the
// institutions that exist (see the record list's row count).
//
// Exact as SQLite's own join: each pair of a person and a type row of it is
// counted once under the person's institution and the row's type, as stored
// (a person listed twice with one type counts twice); a Null institution or
// type, which no `=` matches, is not counted; an institution that does not
// exist is counted and left out by the join with `Institucion`, so it counts
// as soon as it is created; a type row counts from the moment its person
// exists until either goes, whichever is written first. The triggers fire
// on every insert, delete and update that changes a person's id or
// institution or a type row, whoever writes them (the layer, an import, an
// older program version on the same file). Only the REPLACE conflict
// resolution (`INSERT OR REPLACE`), which Jet SQL has no words for, deletes
// a row without its trigger while recursive triggers are off.
//
// The table is derived data: no layout description has it, the reading of
// a database's layout leaves it out, and the transfer and the imports,
// which name the tables they copy, never copy it as data. A
// rebuild of Padron or Padron_TipoPersona by the layer's ALTER TABLE drops
// that table's triggers; a count whose triggers are not all there, exactly
// as made, is not used and is made again by CrearRecuentoCenso.
inline const QString TABLA_RECUENTO_CENSO = QStringLiteral("Recuento_Institucion_TipoPersona");

// Whether `tabla` is the kept count.
bool EsTablaRecuentoCenso(const QString& tabla);

// Whether the database has the count and all its triggers as this version
// makes them: only then is the count exact.
bool HayRecuentoCenso(sqlite3* db);

// Makes the count on a database that has Padron and Padron_TipoPersona with
// their columns, unless it is already whole: table and triggers dropped and
// made again, the counts filled from the tables, in one transaction.
// Returns whether it made it. Throws vb::VbError when a statement fails,
// leaving the database unchanged.
bool CrearRecuentoCenso(db::Connection& con);

// The statement (Jet SQL) that gives the rows of the census of the person
// type `tipo` (a number or "?", written as in the query) as the sum of the
// counts of the institutions that exist: one value, Null without any row.
QString SentenciaSumaRecuentoCenso(const QString& tipo);
