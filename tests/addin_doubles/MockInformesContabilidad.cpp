#include "addin_doubles/MockInformesContabilidad.h"

namespace dobles {

MockInformesContabilidad::MockInformesContabilidad() = default;

MockInformesContabilidad::~MockInformesContabilidad() = default;

} // namespace dobles
