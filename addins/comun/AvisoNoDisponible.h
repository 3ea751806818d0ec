#pragma once

#include <QString>

namespace addins {

// What a stand-in add-in answers to a command it does not carry out: a
// message box saying so, naming the add-in and the function.
void AvisoNoDisponible(const QString& complemento, const QString& funcion);

// The text of that message.
QString TextoNoDisponible(const QString& complemento, const QString& funcion);

} // namespace addins
