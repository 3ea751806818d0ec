#include "support/ScriptedUi.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace testsupport {
namespace {

std::string Describe(const ui::Message& message)
{
    return QStringLiteral("[%1] \"%2\" (buttons %3, icon %4, default %5)")
        .arg(message.caption, message.text)
        .arg(message.buttons)
        .arg(message.icon)
        .arg(message.defaultButton)
        .toStdString();
}

} // namespace

void ScriptedUi::queueAnswers(std::initializer_list<int> answers)
{
    for (const int answer : answers)
        queueAnswer(answer);
}

void ScriptedUi::expectAllAnswersUsed()
{
    if (m_answers.isEmpty())
        return;
    QStringList left;
    for (const int answer : m_answers)
        left << QString::number(answer);
    ADD_FAILURE() << m_answers.size() << " queued message-box answer(s) not used: "
                  << left.join(QStringLiteral(", ")).toStdString();
    m_answers.clear();
}

QStringList ScriptedUi::messageTexts() const
{
    QStringList texts;
    for (const Record& record : m_messages)
        texts << record.text;
    return texts;
}

ScriptedUi::Record ScriptedUi::lastMessage() const
{
    if (m_messages.isEmpty()) {
        ADD_FAILURE() << "no message box was shown";
        return {};
    }
    return m_messages.back();
}

void ScriptedUi::reset()
{
    *this = ScriptedUi();
}

void ScriptedUi::setMousePointer(ui::MousePointer pointer)
{
    m_pointer = pointer;
    m_pointerHistory.append(pointer);
}

void ScriptedUi::DoEvents()
{
    ++m_doEvents;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool ScriptedUi::OpenUrl(const QString& url)
{
    m_urls.append(url);
    return m_openResult;
}

bool ScriptedUi::OpenFile(const QString& path)
{
    m_files.append(path);
    return m_openResult;
}

bool ScriptedUi::PrinterSetup(QPrinter&)
{
    ++m_printerSetups;
    return m_printerSetupResult;
}

int ScriptedUi::cancelLikeAnswer(const ui::Message& message)
{
    if (const int escape = message.escapeAnswer())
        return escape;
    return message.answers().contains(ui::vbNo) ? ui::vbNo : ui::vbAbort;
}

int ScriptedUi::showMessage(const ui::Message& message)
{
    Record record;
    static_cast<ui::Message&>(record) = message;
    if (m_answers.isEmpty()) {
        ADD_FAILURE() << "Unexpected message box: " << Describe(message);
        record.answer = cancelLikeAnswer(message);
    } else {
        record.answer = m_answers.takeFirst();
        if (!message.answers().contains(record.answer)) {
            ADD_FAILURE() << "Queued answer " << record.answer << " is not a button of " << Describe(message);
            record.answer = cancelLikeAnswer(message);
        }
    }
    m_messages.append(record);
    return record.answer;
}

} // namespace testsupport
