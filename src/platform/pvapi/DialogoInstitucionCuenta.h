#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QString>

#include <memory>

namespace db {
class Connection;
}

namespace widgets {
class DialogoRegistroDatos;
}

namespace PVAPI {

// The bank account of an institution or a donor for one donation type,
// edited inside their dialogs: a row of the link table (`tablaEnlace`, key
// `claveEnlace`: `Institucion_TipoDonativo_Cuenta`/`IDITC` or
// `PersonaDonativo_TipoDonativo_Cuenta`/`IDPTC`) and the `Cuenta` row it
// refers to, which goes with it unless `otraTablaEnlace` refers to it too.
// The account number takes digits only; its control digits are worked out
// from the bank, the branch and the number when it is written.
std::shared_ptr<const widgets::DefinicionRegistro> DefinicionCuentaBancaria(const QString& tablaEnlace,
                                                                           const QString& claveEnlace,
                                                                           const QString& otraTablaEnlace);

// The branches offered by the account dialogs: "bank-branch bank name".
widgets::ReferenciaCampo ReferenciaSucursal();

// Inside the write of an account (`NumCuenta`, `CodSucursal` and `DC` of the
// row of section `seccion`): refuses a number that is not all digits and
// sets the control digits of the bank, branch and number stored now; they
// stay as they were when the codes give none.
void CalcularDigitosCuenta(db::Connection& con, widgets::DialogoRegistroDatos& datos, int seccion);

} // namespace PVAPI
