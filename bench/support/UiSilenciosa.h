#pragma once

#include "platform/ui/Ui.h"

#include <cstdio>

// The user interface of a benchmark: no window ever opens. A message box
// means something failed, so it is printed and counted for the run to fail.
class UiSilenciosa : public ui::Ui {
public:
    int mensajes = 0;
    void Beep() override {}
    ui::MousePointer mousePointer() const override { return m_puntero; }
    void setMousePointer(ui::MousePointer p) override { m_puntero = p; }
    void DoEvents() override {}
    bool OpenUrl(const QString&) override { return false; }
    bool OpenFile(const QString&) override { return false; }
    void ShowHelp(const QString&, int) override {}
    bool PrinterSetup(QPrinter&) override { return false; }

protected:
    int showMessage(const ui::Message& m) override
    {
        std::fprintf(stderr, "mensaje: %s\n", qPrintable(m.text));
        ++mensajes;
        return ui::vbOK;
    }

private:
    ui::MousePointer m_puntero = ui::vbDefault;
};
