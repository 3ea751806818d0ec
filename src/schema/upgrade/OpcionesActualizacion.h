#pragma once

#include "platform/pvapi/cCAplicacion.h"

#include <functional>

namespace db {
class Connection;
}
namespace PVAPI {
class cDuzediv;
}

// What the two upgraders take from their surroundings. Start-up passes the
// shared service object; tests pass another edition, a hook that records the
// end of the program instead of ending the process, and a repair double.
struct OpcionesActualizacion {
    // Edition whose upgrade path is followed (a PVAPI::cCAplicacion code).
    long edicion = PVAPI::cCAplicacion::EdicionDeLaCompilacion;
    // Shows the progress of the euro conversion; none when null.
    PVAPI::cDuzediv* servicio = nullptr;
    // Called after the failure message of a step; when empty the process ends
    // at once with a failure status, without any window's unload handler.
    std::function<void()> terminarPrograma;
    // Baptism repair run in the 2.2.0 transaction; when empty,
    // PVAPI::cParchearBd::blnCorregirProblemasBautismo.
    std::function<bool(db::Connection&)> repararBautismo;
};
