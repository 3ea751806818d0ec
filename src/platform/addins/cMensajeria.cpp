#include "platform/addins/cMensajeria.h"

namespace addins {

cMensajeria::~cMensajeria() = default;

} // namespace addins
