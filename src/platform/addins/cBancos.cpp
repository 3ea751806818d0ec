#include "platform/addins/cBancos.h"

namespace addins {

cBancos::~cBancos() = default;

} // namespace addins
