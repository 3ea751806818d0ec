#pragma once

#include <QString>
#include <functional>

// Tells the user that the upgrade to `version` failed (beep and message box)
// and then ends the program through `terminarPrograma`, or, when it is empty,
// at once with a failure status.
void AvisarFalloActualizacion(const QString& version, const std::function<void()>& terminarPrograma);

// The text of that message.
QString TextoFalloActualizacion(const QString& version);
