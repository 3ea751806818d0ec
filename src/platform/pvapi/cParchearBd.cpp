#include "platform/pvapi/cParchearBd.h"

#include "platform/db/Connection.h"

namespace PVAPI {

bool cParchearBd::blnCorregirProblemasBautismo(db::Connection& conexion) const
{
    // Databases made by this program carry no known baptism defect, so there
    // is nothing to change; a connection that is not open cannot be repaired.
    return conexion.isOpen();
}

} // namespace PVAPI
