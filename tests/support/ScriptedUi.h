#pragma once

#include "platform/ui/Ui.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <initializer_list>

namespace testsupport {

// The Ui of the tests: message boxes are answered from a queue and recorded,
// everything else is recorded. A message box with no queued answer fails the
// running test (never blocks) and gets the cancel-like answer of its buttons.
class ScriptedUi : public ui::Ui {
public:
    struct Record : ui::Message {
        int answer = 0;
    };

    void queueAnswer(int answer) { m_answers.append(answer); }
    void queueAnswers(std::initializer_list<int> answers);
    qsizetype pendingAnswers() const { return m_answers.size(); }
    // Fails the running test when queued answers were not used; the shared
    // test set-up calls it at the end of every test.
    void expectAllAnswersUsed();

    const QList<Record>& messages() const { return m_messages; }
    QStringList messageTexts() const;
    // The last message; fails the test (and gives an empty record) when none.
    Record lastMessage() const;

    int beepCount() const { return m_beeps; }
    int doEventsCount() const { return m_doEvents; }
    // Every pointer set, in order (setting the current one again included).
    const QList<ui::MousePointer>& pointerHistory() const { return m_pointerHistory; }
    const QStringList& openedUrls() const { return m_urls; }
    const QStringList& openedFiles() const { return m_files; }
    const QList<QPair<QString, int>>& helpShown() const { return m_help; }
    int printerSetupCount() const { return m_printerSetups; }

    void setOpenResult(bool opened) { m_openResult = opened; }
    void setPrinterSetupResult(bool accepted) { m_printerSetupResult = accepted; }

    // Forgets everything and goes back to the default pointer and results.
    void reset();

    void Beep() override { ++m_beeps; }
    ui::MousePointer mousePointer() const override { return m_pointer; }
    void setMousePointer(ui::MousePointer pointer) override;
    void DoEvents() override;
    bool OpenUrl(const QString& url) override;
    bool OpenFile(const QString& path) override;
    void ShowHelp(const QString& helpFile, int topic) override { m_help.append({helpFile, topic}); }
    bool PrinterSetup(QPrinter& printer) override;

    // The answer a message box gets when nothing was queued for it.
    static int cancelLikeAnswer(const ui::Message& message);

protected:
    int showMessage(const ui::Message& message) override;

private:
    QList<int> m_answers;
    QList<Record> m_messages;
    int m_beeps = 0;
    int m_doEvents = 0;
    ui::MousePointer m_pointer = ui::vbDefault;
    QList<ui::MousePointer> m_pointerHistory;
    QStringList m_urls;
    QStringList m_files;
    QList<QPair<QString, int>> m_help;
    int m_printerSetups = 0;
    bool m_openResult = true;
    bool m_printerSetupResult = true;
};

} // namespace testsupport
