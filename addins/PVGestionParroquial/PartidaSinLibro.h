#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <memory>

namespace db {
class Connection;
}

// The notification of a confirmation entered in no book: the parish
// stand-in asks the data a notification to the parish of baptism needs
// (the parish that notifies, the person and the parents, the confirmation,
// the entry of baptism) and writes them as the one row of
// `Documentos_Confirmacion` that the notification template prints. Nothing
// is kept in the parish database.
namespace partida_sin_libro {

// The dialog's fields, on the columns of a confirmation and its side rows,
// so each box takes what an entry could hold.
std::shared_ptr<const widgets::DefinicionRegistro> Definicion();

// Shows the dialog through the dialog runner; when it is accepted, the row
// is written (with the parish's block and its priest, else its archivist,
// as signer). A cancel writes nothing.
void Preparar(db::Connection& conLocal, db::Connection& conInformes);

} // namespace partida_sin_libro
