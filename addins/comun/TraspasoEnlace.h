#pragma once

#include <QtGlobal>

namespace db {
class Connection;
}

// The institutions' link with the accounting (`Contab_Enlace_Institucion`
// and the donors' sub-accounts of `Contab_Enlace_Padron`) handed over from
// one company to another: each linked sub-account becomes the receiving
// company's sub-account of the same code.
namespace traspaso_enlace {

// Hands the link of the institutions linked to `origen` (0: to any company
// other than `destino`) over to `destino`, in one transaction on the parish
// connection. `preguntar`: the user asked for it from the menu, so the
// hand-over is confirmed first and its outcome told; a year close hands
// over silently. A code the receiving company lacks leaves that link empty
// and is told. The number of institutions handed over (0 when none or
// declined).
int Traspasar(db::Connection& conLocal, db::Connection& conContabilidad, qint32 origen, qint32 destino,
              bool preguntar);

} // namespace traspaso_enlace
