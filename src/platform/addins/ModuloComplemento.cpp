#include "platform/addins/ModuloComplemento.h"

namespace addins {

ModuloComplemento::~ModuloComplemento() = default;

} // namespace addins
