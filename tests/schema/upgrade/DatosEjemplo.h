#pragma once

#include "platform/db/Value.h"
#include "schema/DefinicionEsquema.h"

#include <QList>
#include <QPair>

#include <QString>

namespace db {
class Connection;
}

// Rows of an old parish or accounting database, of every kind the upgrade
// reads: amounts in pesetas (among them values whose euros round in a
// telling way, a negative one and one without value), institution names to
// split, receipt and certificate numbers of the old 10 characters, documents
// of persons and of companies, long notes, and the seed tables of the
// version (stale rows with high ids where the upgrade reseeds them).
struct OpcionesDatos {
    int personas = 24;
    int donativos = 30;
    int recibos = 30;
    int remesas = 6;
};

// Rows that come first in every database, so that tests can name them.
namespace ejemplo {
// Institucion ids 1..8 and their names (see DatosEjemplo.cpp).
inline constexpr int kInstitucionesEspeciales = 8;
// Padron ids 1..9 carry these documents, in order; Null where the text is
// "<null>".
inline constexpr const char* kDnisEspeciales[] = {"12345678Z", "X1234567L", "x1234567L", "B12345678", "",
                                                  "<null>", "B1234567", "G28000000", "Y7654321K"};
// Donativo ids 1..8 carry these peseta amounts; Null where "<null>".
inline constexpr const char* kImportesEspeciales[] = {"1000", "94", "292", "166,386", "-1000", "0", "<null>", "2080"};
} // namespace ejemplo

// Fills a parish database just made from `esquema` (its version decides
// which columns and seed rows it has).
void LlenarBDParroquia(db::Connection& con, const EsquemaDef& esquema, const OpcionesDatos& opciones = {});

// Fills an accounting database made from `esquema`: companies, entries with
// lines (one entry with two lines, one without any) and stale default rows.
void LlenarBDContabilidad(db::Connection& con, const EsquemaDef& esquema);

// Inserts one row with the columns the layout has; the others are left out.
void InsertarFila(db::Connection& con, const EsquemaDef& esquema, const QString& tabla,
                  const QList<QPair<QString, db::Value>>& valores);

// The Value a text of kDnisEspeciales or kImportesEspeciales stands for.
db::Value ValorEjemplo(const char* texto);
