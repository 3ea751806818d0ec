#pragma once

namespace db {
class Connection;
}
namespace PVAPI {
class cDuzediv;
}

// Writes into each euro column (of Recibo, Remesa, Donativo and
// Padron_Defuncion, in this order) the euros of the amount beside it, by the
// rule of cCurrency::PesetasAEuros. Rows are addressed by their row id, so
// two rows that share an owner key each get their own value; an amount
// without value gives a euro amount without value. Shows the progress, one
// step per table, on `servicio` when there is one. Throws at the first
// failing statement (the caller's transaction undoes what was written).
void ActualizarImportesAEuros(db::Connection& conLocal, PVAPI::cDuzediv* servicio);
