#include "platform/ui/RunHandler.h"

#include "platform/ui/ErrorReporting.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"

#include <QPointer>
#include <QWidget>
#include <QtDebug>

namespace ui {

bool RunHandler(const char* procedure, const char* module, const char* project,
                const std::function<void()>& body, QWidget* restoreEnabled)
{
    Ui& ui = Current();
    const MousePointer pointer = ui.mousePointer();
    const QPointer<QWidget> widget(restoreEnabled);
    const bool wasEnabled = widget && widget->isEnabled();
    try {
        body();
        return true;
    } catch (...) {
        vb::Err().SetFromException(std::current_exception());
    }
    // Pointer and window first, so that the user reads the report with a
    // normal pointer over a usable window.
    try {
        ui.setMousePointer(pointer);
        if (widget)
            widget->setEnabled(wasEnabled);
    } catch (...) {
        qWarning() << "Could not restore the pointer or the window after an error in" << procedure;
    }
    ReportError(QString::fromUtf8(procedure), QString::fromUtf8(module), QString::fromUtf8(project));
    return false;
}

} // namespace ui
