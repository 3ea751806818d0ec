#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QtGlobal>

#include <memory>

namespace db {
class Connection;
}

namespace PVAPI {

// The institution dialog of the component library: the institution's own
// data, the person in charge of its donations and its bank accounts per
// donation type. The name the lists show (`Nombre`) is the type word and the
// name joined, as the program has always kept it.
class DialogoInstitucion {
public:
    static std::shared_ptr<const widgets::DefinicionRegistro> Definicion();

    static void Nueva(db::Connection& conLocal);
    static void Edita(db::Connection& conLocal, qint32 lngID);
};

} // namespace PVAPI
