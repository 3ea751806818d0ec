#pragma once

#include "platform/ui/Ui.h"

namespace addins {

// The Ui of a plugin: it hands every request to the program's Ui. A plugin
// carries its own copy of the platform code, whose ui::Current() would
// otherwise be a Ui of its own, unseen by the program (and by its tests).
class PuenteUi : public ui::Ui {
public:
    using Destino = ui::Ui& (*)();

    // Makes the plugin's ui::Current() a bridge to `destino` (the program's
    // ui::Current). Nothing is bridged when both are already one.
    static void Instalar(Destino destino);

    void Beep() override { m_destino().Beep(); }
    ui::MousePointer mousePointer() const override { return m_destino().mousePointer(); }
    void setMousePointer(ui::MousePointer pointer) override { m_destino().setMousePointer(pointer); }
    void DoEvents() override { m_destino().DoEvents(); }
    bool OpenUrl(const QString& url) override { return m_destino().OpenUrl(url); }
    bool OpenFile(const QString& path) override { return m_destino().OpenFile(path); }
    void ShowHelp(const QString& helpFile, int topic) override { m_destino().ShowHelp(helpFile, topic); }
    bool PrinterSetup(QPrinter& printer) override { return m_destino().PrinterSetup(printer); }

protected:
    int showMessage(const ui::Message& message) override;

private:
    explicit PuenteUi(Destino destino) : m_destino(destino) {}

    Destino m_destino;
};

} // namespace addins
