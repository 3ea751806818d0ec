#pragma once

#include "platform/db/Value.h"
#include "platform/report/Plantilla.h"

#include <QString>

namespace report {

// Writes a field value as a template asks: Null as "", texts with their own
// line breaks, "yyyymmdd" as dd/mm/yyyy or as "5 de marzo de 2007" (a text
// that is not such a date is written as stored), numbers with thousands
// and `decimales` decimals (a text that is not a number as stored).
QString FormatearValor(const db::Value& valor, Formato::Tipo tipo, int decimales);

// A number with thousands and a fixed number of decimals: "1.234,50".
QString FormatearNumero(double numero, int decimales);

// The long Spanish date of a "yyyymmdd" text, or the text as it is.
QString FechaLargaDeTexto(const QString& fechaTexto);

// The value as a number when it is one (numbers, and texts that read as a
// Spanish number); nullopt otherwise.
std::optional<double> NumeroDe(const db::Value& valor);

} // namespace report
