#include "addin_doubles/MockMensajeria.h"

namespace dobles {

MockMensajeria::MockMensajeria() = default;

MockMensajeria::~MockMensajeria() = default;

} // namespace dobles
