#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <memory>

namespace addins {

// The record dialogs of local messages: one being written (in the outbox),
// and one received or sent, which is only read.
class TablasRegistroMensajes {
public:
    static std::shared_ptr<const widgets::DefinicionRegistro> Mensaje();
    static std::shared_ptr<const widgets::DefinicionRegistro> MensajeLeido();

    // The tray a new or forwarded message goes to.
    static QString BandejaSalida();
};

} // namespace addins
