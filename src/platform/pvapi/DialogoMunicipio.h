#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QtGlobal>

#include <memory>

namespace db {
class Connection;
}

namespace PVAPI {

// The town dialog of the component library: name and province. A town that
// an institution or a person still has in its address is not deleted.
class DialogoMunicipio {
public:
    static std::shared_ptr<const widgets::DefinicionRegistro> Definicion();

    static void Nuevo(db::Connection& conLocal);
    static void Edita(db::Connection& conLocal, qint32 lngID);
    static void Elimina(db::Connection& conLocal, qint32 lngID);
};

} // namespace PVAPI
