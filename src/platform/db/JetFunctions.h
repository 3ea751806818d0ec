#pragma once

struct sqlite3;

namespace db {

// Registers on a connection what Jet SQL needs from the engine: the JET
// collation, LIKE with Jet wildcards, and the Jet/VBA functions under the
// jet_ names the translator writes (Val, CCur, CLng, CStr, IIf, Mid, Left,
// Right, Len, Trim, LTrim, RTrim, UCase, LCase, IsNumeric, IsNull, Nz,
// Format, and the "&" and "+" operators).
//
// Where VB would raise "Uso no válido de Null" inside a query (Val, CCur,
// CLng, CStr of a Null), the functions give Null instead, so that one empty
// cell does not make a whole list fail.
class JetFunctions {
public:
    static void registerAll(sqlite3* db);
};

} // namespace db
