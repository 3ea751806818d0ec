#pragma once

#include "platform/ui/Ui.h"

namespace ui {

// The real desktop: QMessageBox with Spanish buttons, the override cursor,
// QDesktopServices and QPrintDialog.
class QtUi : public Ui {
public:
    void Beep() override;
    MousePointer mousePointer() const override { return m_pointer; }
    void setMousePointer(MousePointer pointer) override;
    void DoEvents() override;
    bool OpenUrl(const QString& url) override;
    bool OpenFile(const QString& path) override;
    void ShowHelp(const QString& helpFile, int topic) override;
    bool PrinterSetup(QPrinter& printer) override;

protected:
    int showMessage(const Message& message) override;

private:
    MousePointer m_pointer = vbDefault;
};

} // namespace ui
