#pragma once

#include <QPointer>
#include <QWidget>

namespace ui {

// Sets a widget's enabled state for its lifetime (by default disables it,
// as the main window is while an add-in works) and then puts back the state
// it had. A widget deleted meanwhile is left alone.
class EnabledStateGuard {
public:
    explicit EnabledStateGuard(QWidget* widget, bool enabled = false);
    ~EnabledStateGuard();
    EnabledStateGuard(const EnabledStateGuard&) = delete;
    EnabledStateGuard& operator=(const EnabledStateGuard&) = delete;

private:
    QPointer<QWidget> m_widget;
    bool m_wasEnabled = false;
};

} // namespace ui
