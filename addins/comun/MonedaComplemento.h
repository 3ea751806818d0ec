#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

namespace PVAPI {
struct cInfoConfiguracion;
}

namespace addins {

// The working currency of the run (`TrabajarConPesetas`) and the program's
// own conversion rules (cCurrency: 166,386 pesetas a euro, euros rounded to
// cents, pesetas whole), for the amount fields of the record dialogs.
widgets::MonedaRegistro MonedaComplemento(const PVAPI::cInfoConfiguracion& objInfoConfig);

} // namespace addins
