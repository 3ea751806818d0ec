#pragma once

#include "platform/ui/UiConstants.h"

#include <QList>
#include <QString>

namespace ui {

// One message box, with the VB style flags taken apart.
struct Message {
    QString text;
    QString caption;
    int buttons = vbOKOnly;         // vbOKOnly .. vbRetryCancel
    int icon = 0;                   // 0, vbCritical, vbQuestion, vbExclamation, vbInformation
    int defaultButton = vbDefaultButton1;
    bool helpButton = false;
    QString helpFile;
    int helpContext = 0;

    static Message fromStyle(const QString& text, int style, const QString& caption,
                             const QString& helpFile = {}, int helpContext = 0);

    // The answers of the buttons, in their order on the box.
    QList<int> answers() const;
    // The answer of the default button (the first one when the style names
    // a button the set does not have, as VB does).
    int defaultAnswer() const;
    // The answer that closing the box with Escape gives, or 0 when the box
    // cannot be closed that way (Yes/No, Abort/Retry/Ignore).
    int escapeAnswer() const;
};

} // namespace ui
