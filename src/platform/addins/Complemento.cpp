#include "platform/addins/Complemento.h"

namespace addins {

Complemento::~Complemento() = default;

} // namespace addins
