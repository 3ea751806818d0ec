#include "platform/addins/cInformes.h"

namespace addins {

cInformes::~cInformes() = default;

} // namespace addins
