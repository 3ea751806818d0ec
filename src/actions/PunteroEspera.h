#pragma once

#include "platform/ui/UiConstants.h"

// The pointer of an action while an add-in works: set on construction
// (the hourglass unless told otherwise) and the default pointer at the end,
// on every path. An action that leaves the hourglass for its caller to take
// away (the caller's list reload ends with the default pointer) says so with
// MantenerAlTerminar; an error still ends with the default pointer.
class PunteroEspera {
public:
    explicit PunteroEspera(ui::MousePointer durante = ui::vbHourglass);
    ~PunteroEspera();
    PunteroEspera(const PunteroEspera&) = delete;
    PunteroEspera& operator=(const PunteroEspera&) = delete;

    // The default pointer from now on (an add-in dialog that waits for the user).
    void Predeterminado();
    // On a normal end the pointer is left as it is.
    void MantenerAlTerminar() { m_mantener = true; }

private:
    int m_excepciones;
    bool m_mantener = false;
};
