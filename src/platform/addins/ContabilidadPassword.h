#pragma once

#include <QString>

// Password of the accounting database "Contabilidad.mdb". The accounting
// add-in owns it (its ObtenerPasswordContabilidad hands it to the start-up);
// the program-folder tool needs it to protect a fresh database. It is fixed so
// that a database made by one build opens with another.
inline QString PasswordContabilidad()
{
    return QStringLiteral("NvP2000#Contabilidad");
}
