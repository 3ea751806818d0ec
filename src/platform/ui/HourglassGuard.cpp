#include "platform/ui/HourglassGuard.h"

#include "platform/ui/Ui.h"

namespace ui {

HourglassGuard::HourglassGuard()
    : m_ui(Current())
    , m_previous(m_ui.mousePointer())
{
    m_ui.setMousePointer(vbHourglass);
}

HourglassGuard::~HourglassGuard() { m_ui.setMousePointer(m_previous); }

} // namespace ui
