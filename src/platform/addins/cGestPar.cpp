#include "platform/addins/cGestPar.h"

namespace addins {

cGestPar::~cGestPar() = default;

} // namespace addins
