#pragma once

#include <QString>

#include <functional>

class QDialog;

namespace widgets {

// Runs the modal dialogs of the record dialogs and of the stand-in add-ins.
// The program shows them (exec); a test installs a function that answers
// them instead, filling their editors and pressing their buttons, so no test
// ever waits on a window. While a dialog waits for the user the pointer is
// the normal arrow, whatever the caller had set, and the caller's pointer
// comes back afterwards.
class DialogoRegistroEjecutor {
public:
    using Funcion = std::function<int(QDialog&)>;

    // The dialog's result (QDialog::Accepted or Rejected).
    static int Ejecutar(QDialog& dialogo);

    // Installs the function that runs the dialogs; an empty one goes back to
    // exec(). Returns the one installed before.
    static Funcion Establecer(Funcion funcion);

    // A message box of the record commands (ui::MsgBox), shown with the
    // normal pointer too.
    static int Mensaje(const QString& texto, int estilo);
};

} // namespace widgets
