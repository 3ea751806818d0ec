#pragma once

#include "platform/vb/VbError.h"

#include <QString>

namespace PVAPI {

// Errors raised by the locking service. VB's own numbers where one fits,
// otherwise numbers in the range VB components used for their own errors.
inline constexpr long ErrLockFolderNotFound = 76;      // "No se ha encontrado la ruta de acceso"
inline constexpr long ErrLockNotInitialised = 91;      // object used before Inicializar
inline constexpr long ErrLockDatabase = -2147221504 + 512 + 1;
inline constexpr long ErrLockDatabaseBusy = -2147221504 + 512 + 2;
inline constexpr long ErrLockLivenessFile = -2147221504 + 512 + 3;
inline constexpr long ErrLockDatabaseDamaged = -2147221504 + 512 + 4;
inline constexpr long ErrLockFolderReadOnly = -2147221504 + 512 + 5;

inline const QString LockErrorSource = QStringLiteral("PVAPI.cProcesarBloqueos");

[[noreturn]] inline void ThrowLockError(long number, const QString& description)
{
    throw vb::VbError(number, description, LockErrorSource);
}

} // namespace PVAPI
