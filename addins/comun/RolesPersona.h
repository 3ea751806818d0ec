#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QString>
#include <QtGlobal>

#include <memory>

namespace db {
class Connection;
}

namespace addins {

// The roles a person of `Padron` holds, one `Padron_TipoPersona` row each:
// a person is kept once however many roles they have, and goes only when
// the last one does.
class RolesPersona {
public:
    static constexpr int Donante = 1;
    static constexpr int Empadronado = 2;
    static constexpr int Colaborador = 3;

    // Gives the person the role unless they hold it (inside the caller's transaction).
    static void Anadir(db::Connection& con, qint64 idPadron, int rol);

    // The New command of a role: first offers the persons who do not hold
    // it yet (the one chosen is shown in the role's dialog and gets the
    // role), then a new person. True when a person was written.
    static bool Nuevo(db::Connection& con, std::shared_ptr<const widgets::DefinicionRegistro> definicion, int rol,
                      const widgets::MonedaRegistro& moneda = {});

    // The Delete command of a role: asks `pregunta`, then in one transaction
    // removes the role with the data that belong to it (a donor's donations
    // with their receipts and accounts, the census details, the group
    // memberships) and the person when no role is left. True when done.
    static bool Eliminar(db::Connection& con, qint64 idPadron, int rol, const QString& pregunta);
};

} // namespace addins
