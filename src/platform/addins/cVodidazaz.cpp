#include "platform/addins/cVodidazaz.h"

namespace addins {

cVodidazaz::~cVodidazaz() = default;

} // namespace addins
