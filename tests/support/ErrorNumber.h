#pragma once

#include "platform/vb/VbError.h"

namespace testsupport {

// The vb::VbError number a call raises, 0 when it raises none. Any other
// exception passes through and fails the test.
template <typename Call>
long ErrorNumberOf(Call&& call)
{
    try {
        call();
    } catch (const vb::VbError& e) {
        return e.number();
    }
    return 0;
}

} // namespace testsupport
