#pragma once

#include <QString>

#include <array>

namespace db {
class Connection;
}

// The three deduction percentages of form 182 (one per tax regime), kept
// in the single row of `Modelo182`, in the order TipoA, TipoB,
// DeduccionRegFiscal2.
using PorcentajesModelo182 = std::array<QString, 3>;

// The stored percentages as text; 25, 30 and 10, the values the table is
// made with, when it has no row or a column holds no value.
PorcentajesModelo182 LeerModelo182(db::Connection& conLocal);

// Stores the percentages, each a whole number 0 to 100 (otherwise error 5
// and nothing written), bound; inserts the row when the table has none.
void GuardarModelo182(db::Connection& conLocal, const PorcentajesModelo182& valores);
