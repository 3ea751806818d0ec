#include "platform/ui/QtUi.h"

#include "platform/ui/MessageBoxSetup.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace ui {

int QtUi::showMessage(const Message& message)
{
    QMessageBox box(QApplication::activeWindow());
    const auto answers = SetUpMessageBox(box, message, [this, &message] { ShowHelp(message.helpFile, message.helpContext); });
    box.exec();
    return answers.value(box.clickedButton(), message.escapeAnswer() ? message.escapeAnswer() : message.defaultAnswer());
}

void QtUi::Beep() { QApplication::beep(); }

void QtUi::setMousePointer(MousePointer pointer)
{
    if (pointer == m_pointer)
        return;
    // One override level of our own, so nested settings cannot pile up.
    if (pointer == vbHourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    m_pointer = pointer;
}

void QtUi::DoEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

bool QtUi::OpenUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

bool QtUi::OpenFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void QtUi::ShowHelp(const QString& helpFile, int topic)
{
    // The desktop viewer opens the file; topics exist only as anchors of an
    // HTML help.
    QUrl url = QUrl::fromLocalFile(helpFile);
    if (topic != 0 && (helpFile.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive)
                       || helpFile.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive)))
        url.setFragment(QString::number(topic));
    QDesktopServices::openUrl(url);
}

bool QtUi::PrinterSetup(QPrinter& printer)
{
    printer.setCollateCopies(true);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ui
