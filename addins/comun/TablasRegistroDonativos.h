#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <memory>

namespace addins {

// The record dialogs of the donations add-in besides persons: donation
// types, presenters, remittances with their receipts, cash receipts, and the
// generation of a remittance.
class TablasRegistroDonativos {
public:
    static std::shared_ptr<const widgets::DefinicionRegistro> TipoDonativo();
    static std::shared_ptr<const widgets::DefinicionRegistro> Presentador();
    static std::shared_ptr<const widgets::DefinicionRegistro> InstitucionPresentador();
    static std::shared_ptr<const widgets::DefinicionRegistro> Remesa();
    static std::shared_ptr<const widgets::DefinicionRegistro> ReciboRemesa();
    // A new remittance gathers one receipt for every donation paid through
    // the bank to the institutions its presenter serves (all of them when
    // the presenter lists none).
    static std::shared_ptr<const widgets::DefinicionRegistro> GeneracionRemesa();
    static std::shared_ptr<const widgets::DefinicionRegistro> ReciboCaja();
};

} // namespace addins
