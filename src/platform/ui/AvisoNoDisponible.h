#pragma once

#include <QString>

namespace ui {

// What a command this installation does not carry out answers, the same
// words for the main window's commands and the stand-in add-ins:
// "¡Esta función no está disponible en esta instalación!".
QString TextoNoDisponible();

// Shows that text (exclamation, application title), followed by `detalle`
// after a blank line when given. The pointer shows the arrow while the box
// is up, then goes back to what it was: callers often show the hourglass,
// and the user must see that nothing is going on.
void AvisoNoDisponible(const QString& detalle = {});

} // namespace ui
