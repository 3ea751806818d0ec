#include "platform/ui/Ui.h"

#include "platform/ui/QtUi.h"

#include <QCoreApplication>

namespace ui {
namespace {

Ui*& Installed()
{
    static Ui* installed = nullptr;
    return installed;
}

} // namespace

int Ui::MsgBox(const QString& text, int style, const QString& caption, const QString& helpFile, int helpContext)
{
    return showMessage(Message::fromStyle(text, style, caption.isEmpty() ? AppTitle() : caption, helpFile, helpContext));
}

QString AppTitle() { return QCoreApplication::applicationName(); }

Ui& Current()
{
    if (!Installed()) {
        static QtUi fallback;
        return fallback;
    }
    return *Installed();
}

void SetCurrent(Ui* ui) { Installed() = ui; }

int MsgBox(const QString& text, int style, const QString& caption, const QString& helpFile, int helpContext)
{
    return Current().MsgBox(text, style, caption, helpFile, helpContext);
}

void Beep() { Current().Beep(); }

void DoEvents() { Current().DoEvents(); }

} // namespace ui
