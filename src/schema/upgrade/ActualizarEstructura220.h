#pragma once

namespace db {
class Connection;
}

// Schema changes and lookup completion 2.1.2 -> 2.2.0: the form-182 person
// types and the person type of every person, the deduction percentages by
// tax regime, the default deduction and the thirteen further communities,
// and every percentage 0 to 100 once for every community. Every statement is
// attempted; true when none failed.
bool ActualizarEstructura220(db::Connection& conLocal);
