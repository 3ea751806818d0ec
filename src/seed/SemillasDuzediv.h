#pragma once

namespace db {
class Connection;
}

// Seeds of the parish database. Each writes its fixed rows, one INSERT per row,
// on the connection it is given (inside the caller's transaction) and throws
// vb::VbError at the first statement that fails, leaving the rollback to the
// caller.
//
// The keyless seeds (no id written) need their table empty with its counter
// back at 1, because later rows refer to the ids the counter hands out; they
// check this before the first row and check afterwards that the ids came out
// 1..n, and fail otherwise.

// Lookups (keyless). InsertarDeducciones names the communities by the ids
// InsertarComunidadesAutonomas gave them, so it runs after it.
void InsertarComunidadesAutonomas(db::Connection& conLocal);
void InsertarDeducciones(db::Connection& conLocal);
void InsertarTiposVia(db::Connection& conLocal);

// Navigation tree: 55 rows of 2.1.0 (keyless) and 56 rows of 2.1.2 (keyed).
void InsertarNodos(db::Connection& conLocal);
void InsertarNodosConClave(db::Connection& conLocal);

// List columns: 158 rows of 2.1.0 (keyless; they name the nodes by the 2.1.0
// ids) and 160 rows of 2.1.2 (keyed).
void InsertarCampos(db::Connection& conLocal);
void InsertarCamposConClave(db::Connection& conLocal);

// Report trees: general and Losara editions (keyless), Valdena (keyless),
// Mirante (keyed).
void InsertarInformes(db::Connection& conLocal);
void InsertarInformesValdena(db::Connection& conLocal);
void InsertarInformesMirante(db::Connection& conLocal);
