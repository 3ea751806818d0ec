#include "platform/addins/cContabilidad.h"

namespace addins {

cContabilidad::~cContabilidad() = default;

} // namespace addins
