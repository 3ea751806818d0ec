#pragma once

#include <QtGlobal>

namespace PVAPI {

// Operation codes handed to the add-ins and dialogs (record operations and
// the message exchange). Only equality matters; each fits in a byte, the
// type the message exchange takes it as.
class cCOperacion {
public:
    static constexpr qint16 SINOPER = 0;
    static constexpr qint16 ANADIR = 1;
    static constexpr qint16 Editar = 2;
    static constexpr qint16 BORRAR = 3;
    static constexpr qint16 ENVIAR = 4;
    static constexpr qint16 importar = 5;
    static constexpr qint16 EXPORTAR = 6;
    static constexpr qint16 CONEXION = 7;
};

} // namespace PVAPI
