#include "addin_doubles/MockBancos.h"

namespace dobles {

MockBancos::MockBancos() = default;

MockBancos::~MockBancos() = default;

} // namespace dobles
