#pragma once

#include <QStringList>

struct EsquemaDef;
namespace db {
class Connection;
}

// Fills every empty table of a database with `filas` rows whose values let
// the node queries' joins meet: row i has the id i and i in every other
// integer column, dates run from 2000-01-02 on, Yes/No values alternate and
// texts are the column's name followed by i. The list of each node then
// has rows to show. Gives the tables that could not be filled.
QStringList LlenarTablas(db::Connection& con, const EsquemaDef& esquema, int filas);
