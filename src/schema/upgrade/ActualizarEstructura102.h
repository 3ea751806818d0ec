#pragma once

namespace db {
class Connection;
}

// Schema changes 1.0.1 -> 1.0.2 of the accounting database: the entry text
// `ConceptoAsiento` of journal entries (filled, when it is added, from the
// line of the entry with the lowest `IDApunte`, cut to its 30 characters),
// the group `CodGrupo` of a company, and the table `Grupo`. Every failing
// statement is passed over; only a failure that ended the transaction is
// thrown.
void ActualizarEstructura102(db::Connection& conContabilidad);
