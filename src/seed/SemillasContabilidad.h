#pragma once

namespace db {
class Connection;
}

// Default accounting tables of "Contabilidad.mdb". Every row carries its key, so
// the tables must be empty first (BorrarTablasPredeterminadas). Each procedure
// throws vb::VbError at its first failing statement.

// Empties Predet_Cuenta, Predet_Estructura and Predet_Rel_Estructura_Cuenta.
void BorrarTablasPredeterminadas(db::Connection& conContabilidad);
// 289 accounts.
void InsertarCuentasPredeterminadas(db::Connection& conContabilidad);
// 68 balance-sheet and profit-and-loss headings.
void InsertarEstructuraPredeterminada(db::Connection& conContabilidad);
// 156 links from headings to accounts.
void InsertarRelEstructuraCuentaPredeterminada(db::Connection& conContabilidad);

// The four above in one transaction on the accounting connection: a failure
// rolls every default table back to what it held and is rethrown, so the
// defaults are never left half written.
void RenovarTablasPredeterminadas(db::Connection& conContabilidad);
