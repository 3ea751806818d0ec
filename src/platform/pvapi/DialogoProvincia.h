#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QtGlobal>

#include <memory>

namespace db {
class Connection;
}

namespace PVAPI {

// The province dialog of the component library: its name. A province that
// still has towns is not deleted.
class DialogoProvincia {
public:
    static std::shared_ptr<const widgets::DefinicionRegistro> Definicion();

    static void Nueva(db::Connection& conLocal);
    static void Edita(db::Connection& conLocal, qint32 lngID);
    static void Elimina(db::Connection& conLocal, qint32 lngID);
};

} // namespace PVAPI
