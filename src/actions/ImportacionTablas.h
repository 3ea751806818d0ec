#pragma once

#include <functional>

class IAccesoExclusivo;
namespace db {
class Connection;
}

// Runs the import wizard `asistente` only while this workstation is the only
// user of the parish database, and keeps other workstations from starting
// the program meanwhile. The entry lock is taken before the test, so no
// workstation can start between the test and the wizard; it is released on
// every path, before any message waits for the user. Another user of the
// database: a beep and the exclusive-access message, no wizard. The
// hourglass shows until the end.
void ImportarTablasConAccesoExclusivo(IAccesoExclusivo& acceso, db::Connection& conLocal,
                                      const std::function<void()>& asistente);
