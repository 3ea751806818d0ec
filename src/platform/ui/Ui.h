#pragma once

#include "platform/ui/Message.h"
#include "platform/ui/UiConstants.h"

#include <QString>

class QPrinter;

namespace ui {

// Everything the program asks of the user's desktop. One implementation
// shows real windows (QtUi); tests install a scripted one that answers from
// a queue, so no test ever shows a modal window.
class Ui {
public:
    virtual ~Ui() = default;

    // VB MsgBox: `style` adds up buttons, icon, default button and the help
    // button. An empty caption gives the application title. Returns the
    // vbOK .. vbNo answer.
    int MsgBox(const QString& text, int style = vbOKOnly, const QString& caption = {},
               const QString& helpFile = {}, int helpContext = 0);

    virtual void Beep() = 0;

    // The single-state Screen.MousePointer: vbDefault or vbHourglass.
    virtual MousePointer mousePointer() const = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;

    // Lets pending events run, user input excluded.
    virtual void DoEvents() = 0;

    // Desktop open of a web address or a file; false when nothing opened it.
    virtual bool OpenUrl(const QString& url) = 0;
    virtual bool OpenFile(const QString& path) = 0;

    // Opens a help file at a topic (0: its start).
    virtual void ShowHelp(const QString& helpFile, int topic) = 0;

    // The printer set-up dialog, collate checked; true when accepted.
    virtual bool PrinterSetup(QPrinter& printer) = 0;

protected:
    virtual int showMessage(const Message& message) = 0;
};

// The application title that message boxes default to.
QString AppTitle();

// The installed implementation; a QtUi made on first use when none is.
Ui& Current();
// Installs an implementation (not owned); nullptr goes back to the QtUi.
void SetCurrent(Ui* ui);

// Shorthands for Current().
int MsgBox(const QString& text, int style = vbOKOnly, const QString& caption = {},
           const QString& helpFile = {}, int helpContext = 0);
void Beep();
void DoEvents();

} // namespace ui
