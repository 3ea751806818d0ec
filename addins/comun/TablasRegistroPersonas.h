#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <memory>

namespace addins {

// The record dialogs of persons, one per role: the `Padron` row they all
// share, the role's own rows, and the role given when the record is written.
// A donor's donations and bank accounts are edited inside the donor's dialog.
class TablasRegistroPersonas {
public:
    static std::shared_ptr<const widgets::DefinicionRegistro> Donante();
    static std::shared_ptr<const widgets::DefinicionRegistro> Donativo();
    static std::shared_ptr<const widgets::DefinicionRegistro> Empadronado();
    static std::shared_ptr<const widgets::DefinicionRegistro> Colaborador();
    static std::shared_ptr<const widgets::DefinicionRegistro> ActividadColaborador();

    // References several tables share.
    static widgets::ReferenciaCampo Instituciones();
    static widgets::ReferenciaCampo Municipios();
    static widgets::ReferenciaCampo TiposDonativo();
};

} // namespace addins
