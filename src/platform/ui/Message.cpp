#include "platform/ui/Message.h"

namespace ui {

Message Message::fromStyle(const QString& text, int style, const QString& caption,
                           const QString& helpFile, int helpContext)
{
    Message message;
    message.text = text;
    message.caption = caption;
    message.buttons = style & 0x7;
    message.icon = style & 0x70;
    message.defaultButton = style & 0x300;
    message.helpButton = (style & vbMsgBoxHelpButton) != 0;
    message.helpFile = helpFile;
    message.helpContext = helpContext;
    return message;
}

QList<int> Message::answers() const
{
    switch (buttons) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

int Message::defaultAnswer() const
{
    const QList<int> all = answers();
    const qsizetype index = defaultButton / vbDefaultButton2;
    return index < all.size() ? all[index] : all.front();
}

int Message::escapeAnswer() const
{
    const QList<int> all = answers();
    if (all.contains(vbCancel))
        return vbCancel;
    return all == QList<int> {vbOK} ? vbOK : 0;
}

} // namespace ui
