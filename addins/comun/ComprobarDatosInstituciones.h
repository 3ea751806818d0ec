#pragma once

namespace db {
class Connection;
}

namespace addins {

// The set-up of a stand-in add-in: the data it would complete are columns of
// the parish database's institutions, so it makes sure that table can be
// read, and changes nothing. True when it can; a failure is raised.
bool ComprobarDatosInstituciones(db::Connection& conLocal);

} // namespace addins
