#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <memory>

namespace addins {

// The record dialog of the banks add-in: a bank with its branches, each
// branch with its accounts, all written together when the bank is accepted.
class TablasRegistroBancos {
public:
    static std::shared_ptr<const widgets::DefinicionRegistro> Banco();
    static std::shared_ptr<const widgets::DefinicionRegistro> Sucursal();
    static std::shared_ptr<const widgets::DefinicionRegistro> Cuenta();
};

} // namespace addins
