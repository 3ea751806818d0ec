#pragma once

#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
}

// Cuts the stored values of a text column to `longitud` characters, so that
// narrowing the column loses nothing beyond what it was meant to cut. Table
// and column are the step's own constant names. Throws on failure.
void TruncarColumna(db::Connection& con, const QString& tabla, const QString& columna, qint16 longitud);

// Schema changes 2.0.0 -> 2.0.1: 78 column types (widths of person names,
// memo notes, the remittance total as a floating-point number), with five
// cuts before a narrowing. Stops at the first failing statement and throws
// it, so the step is rolled back: a value too long for its new width is never
// lost silently.
void ActualizarEstructura201(db::Connection& conLocal);
