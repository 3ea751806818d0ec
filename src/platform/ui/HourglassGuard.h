#pragma once

#include "platform/ui/UiConstants.h"

namespace ui {

class Ui;

// Shows the hourglass for its lifetime and then puts back the pointer that
// was there before, also when an exception leaves the scope.
class HourglassGuard {
public:
    HourglassGuard();
    ~HourglassGuard();
    HourglassGuard(const HourglassGuard&) = delete;
    HourglassGuard& operator=(const HourglassGuard&) = delete;

private:
    Ui& m_ui;
    MousePointer m_previous;
};

} // namespace ui
