#pragma once

#include <QtGlobal>

namespace PVAPI {

// Origin codes: where a command comes from, for the add-ins and dialogs
// that behave differently by origin. Only equality matters; each code is
// read as a byte.
class cCOrigen {
public:
    static constexpr quint8 NADA = 0;
    static constexpr quint8 PRINCIPAL = 1;
    static constexpr quint8 CIERRE_EJERCICIO = 2;
    static constexpr quint8 CARITATIVO = 3;
    static constexpr quint8 AGENDA = 4;
};

} // namespace PVAPI
