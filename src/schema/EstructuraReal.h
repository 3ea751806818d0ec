#pragma once

#include "schema/DefinicionEsquema.h"

#include <QString>
#include <QStringList>

namespace db {
class Connection;
}

// Reads the layout of an open database and compares it with a description.
// Types compare by their Jet meaning, not by spelling: NVARCHAR(40),
// VARCHAR(40) and TEXT(40) are one type, so are INT, LONG and INTEGER, BIT and
// YESNO, FLOAT and DOUBLE, TEXT and MEMO.

// The tables of the database (the layer's own private tables and the census
// count, derived data, left out), each
// with its columns as declared, and its indexes (those SQLite makes for keys
// left out). The version is not read.
EsquemaDef LeerEstructura(db::Connection& con);

// The Jet type a declared type stands for, in one spelling: "TEXT(40)",
// "MEMO", "LONG", "SHORT", "BYTE", "DOUBLE", "SINGLE", "CURRENCY", "YESNO",
// "DATETIME", "COUNTER", "LONGBINARY". An unknown type comes back upper-cased.
QString TipoJetCanonico(const QString& tipoDeclarado);

struct OpcionesComparacion {
    bool compararPorDefecto = true;
    bool compararIndices = true;
};

// One line per difference, in a form fit for a test failure message
// ("falta la tabla X", "X.Y: tipo TEXT(40) en lugar de TEXT(50)", ...);
// empty when the database has exactly the described tables and columns.
// Table and column names compare without regard to case, as Jet does.
QStringList CompararEstructura(const EsquemaDef& esperado, const EsquemaDef& real,
                               const OpcionesComparacion& opciones = {});
