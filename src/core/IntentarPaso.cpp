#include "core/IntentarPaso.h"

#include "platform/vb/ErrObject.h"

#include <exception>

bool IntentarPaso(const std::function<void()>& paso)
{
    try {
        paso();
        return true;
    } catch (...) {
        vb::Err().SetFromException(std::current_exception());
        return false;
    }
}
