#include "platform/ui/MessageBoxSetup.h"

#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

QString ButtonText(int answer)
{
    switch (answer) {
    case vbOK:
        return QStringLiteral("Aceptar");
    case vbCancel:
        return QStringLiteral("Cancelar");
    case vbAbort:
        return QStringLiteral("Anular");
    case vbRetry:
        return QStringLiteral("Reintentar");
    case vbIgnore:
        return QStringLiteral("Omitir");
    case vbYes:
        return QStringLiteral("Sí");
    default:
        return QStringLiteral("No");
    }
}

// Only the escape answer gets the reject role: QMessageBox would otherwise
// pick a "No" button for Escape, and VB's Yes/No boxes ignore Escape.
QMessageBox::ButtonRole ButtonRole(int answer, const Message& message)
{
    if (answer == vbOK || answer == vbYes)
        return QMessageBox::AcceptRole;
    if (answer == message.escapeAnswer())
        return QMessageBox::RejectRole;
    return QMessageBox::ActionRole;
}

QMessageBox::Icon BoxIcon(int icon)
{
    switch (icon) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

QHash<QAbstractButton*, int> SetUpMessageBox(QMessageBox& box, const Message& message,
                                             const std::function<void()>& onHelp)
{
    box.setIcon(BoxIcon(message.icon));
    box.setWindowTitle(message.caption);
    box.setText(message.text);
    QHash<QAbstractButton*, int> answers;
    for (const int answer : message.answers()) {
        QPushButton* button = box.addButton(ButtonText(answer), ButtonRole(answer, message));
        answers.insert(button, answer);
        if (answer == message.defaultAnswer())
            box.setDefaultButton(button);
        if (answer == message.escapeAnswer())
            box.setEscapeButton(button);
    }
    if (message.helpButton) {
        QPushButton* help = box.addButton(QStringLiteral("Ayuda"), QMessageBox::HelpRole);
        // Cut from the box so that, as in VB, Help opens the topic and the
        // box stays up.
        help->disconnect();
        QObject::connect(help, &QPushButton::clicked, &box, [onHelp] { onHelp(); });
    }
    return answers;
}

} // namespace ui
