#pragma once

#include <functional>

class QDialog;
class QDialogButtonBox;

namespace widgets {

// The "&Aceptar" (default, "cmdAceptar") and "&Cancelar" ("cmdCancelar")
// buttons of a small dialog: Aceptar runs `aceptar`, which closes the dialog
// itself when its values are good; Cancelar rejects it. The caller places
// the returned box in its layout.
QDialogButtonBox* BotonesAceptarCancelar(QDialog& dialogo, std::function<void()> aceptar);

} // namespace widgets
