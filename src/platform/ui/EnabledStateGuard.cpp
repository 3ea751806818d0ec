#include "platform/ui/EnabledStateGuard.h"

namespace ui {

EnabledStateGuard::EnabledStateGuard(QWidget* widget, bool enabled)
    : m_widget(widget)
{
    if (!m_widget)
        return;
    m_wasEnabled = m_widget->isEnabled();
    m_widget->setEnabled(enabled);
}

EnabledStateGuard::~EnabledStateGuard()
{
    if (m_widget)
        m_widget->setEnabled(m_wasEnabled);
}

} // namespace ui
