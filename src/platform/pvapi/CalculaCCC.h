#pragma once

#include <QString>

#include <optional>

namespace PVAPI {

// The two control digits of a Spanish bank account (CCC): the first checks
// bank and branch, the second the account number. Bank and branch are
// padded with zeros on the left to 4 digits and the account to 10; spaces
// around a part are ignored. A part that is empty, holds anything but
// digits or is longer than its width has no control digits: nothing.
std::optional<QString> CalculaCCC(const QString& strBanco, const QString& strSucursal, const QString& strCuenta);

} // namespace PVAPI
