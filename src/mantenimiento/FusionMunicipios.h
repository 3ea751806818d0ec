#pragma once

#include <QStringList>
#include <QtGlobal>

namespace db {
class Connection;
}

// The tables of the parish database with a town reference (a column named
// "CodMunicipio"), as the database itself lists them, so that a table that
// an upgrade adds is never left out.
QStringList TablasConMunicipio(db::Connection& conLocal);

// Merges town `origen` into town `destino` in one transaction: every
// reference to `origen` in the tables of TablasConMunicipio points to
// `destino`, then the row of `origen` goes. Both rows must exist and differ
// (error 5 otherwise, nothing changed). Returns how many references changed.
qint64 FusionarMunicipios(db::Connection& conLocal, qint32 origen, qint32 destino);
