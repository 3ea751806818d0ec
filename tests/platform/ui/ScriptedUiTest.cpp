#include "platform/os/Locale.h"
#include "support/QtPrinters.h"
#include "support/ScriptedUi.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QPrinter>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using namespace ui;
using testsupport::scriptedUi;

TEST(ScriptedUi, IsTheCurrentUiOfEveryTest)
{
    EXPECT_EQ(&Current(), &scriptedUi());
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
}

TEST(ScriptedUi, AnswersFromTheQueueAndRecordsEveryMessage)
{
    scriptedUi().queueAnswers({vbNo, vbOK});
    const int first = MsgBox(QStringLiteral("¿Desea continuar?"), vbYesNo + vbExclamation + vbDefaultButton2);
    const int second = MsgBox(QStringLiteral("¡Hecho!"), vbOKOnly + vbInformation, QStringLiteral("Otro título"),
                              QStringLiteral("duzediv.chm"), 25);
    EXPECT_EQ(first, vbNo);
    EXPECT_EQ(second, vbOK);
    ASSERT_EQ(scriptedUi().messages().size(), 2);
    const auto& question = scriptedUi().messages()[0];
    EXPECT_EQ(question.text, QStringLiteral("¿Desea continuar?"));
    EXPECT_EQ(question.caption, QStringLiteral("Norvia Parvanta 2000")) << "empty caption is the application title";
    EXPECT_EQ(question.buttons, vbYesNo);
    EXPECT_EQ(question.icon, vbExclamation);
    EXPECT_EQ(question.defaultButton, vbDefaultButton2);
    EXPECT_EQ(question.answer, vbNo);
    const auto last = scriptedUi().lastMessage();
    EXPECT_EQ(last.caption, QStringLiteral("Otro título"));
    EXPECT_EQ(last.helpContext, 25);
    EXPECT_EQ(scriptedUi().messageTexts(), (QStringList {QStringLiteral("¿Desea continuar?"), QStringLiteral("¡Hecho!")}));
    EXPECT_EQ(scriptedUi().pendingAnswers(), 0);
}

TEST(ScriptedUi, UnexpectedMessageBoxFailsTheTestWithItsText)
{
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox(QStringLiteral("¡Inesperado!"), vbYesNoCancel),
                            "Unexpected message box: [Norvia Parvanta 2000] \"¡Inesperado!\"");
    EXPECT_EQ(answer, vbCancel);
    EXPECT_EQ(scriptedUi().messages().size(), 1) << "still recorded";
}

TEST(ScriptedUi, AnswerThatIsNotAButtonFails)
{
    scriptedUi().queueAnswer(vbYes);
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox(QStringLiteral("t"), vbOKCancel), "is not a button of");
    EXPECT_EQ(answer, vbCancel);
}

TEST(ScriptedUi, UnusedAnswersFail)
{
    scriptedUi().queueAnswers({vbYes, vbNo});
    EXPECT_NONFATAL_FAILURE(scriptedUi().expectAllAnswersUsed(), "2 queued message-box answer(s) not used: 6, 7");
    EXPECT_EQ(scriptedUi().pendingAnswers(), 0);
}

TEST(ScriptedUi, NoMessageMeansNoLastMessage)
{
    EXPECT_NONFATAL_FAILURE(scriptedUi().lastMessage(), "no message box was shown");
}

TEST(ScriptedUi, CancelLikeAnswers)
{
    struct { int style; int answer; } cases[] = {
        {vbOKOnly, vbOK}, {vbOKCancel, vbCancel}, {vbYesNo, vbNo}, {vbYesNoCancel, vbCancel},
        {vbAbortRetryIgnore, vbAbort}, {vbRetryCancel, vbCancel}};
    for (const auto& c : cases) {
        const Message m = Message::fromStyle(QStringLiteral("t"), c.style, QStringLiteral("c"));
        EXPECT_EQ(testsupport::ScriptedUi::cancelLikeAnswer(m), c.answer) << c.style;
    }
}

TEST(ScriptedUi, RecordsTheOtherDesktopCalls)
{
    Beep();
    Beep();
    DoEvents();
    Current().setMousePointer(vbHourglass);
    EXPECT_TRUE(Current().OpenUrl(QStringLiteral("https://example.org/")));
    scriptedUi().setOpenResult(false);
    EXPECT_FALSE(Current().OpenFile(QStringLiteral("/tmp/Log/Trasvase/x.txt")));
    Current().ShowHelp(QStringLiteral("duzediv.chm"), 25);
    QPrinter printer;
    EXPECT_TRUE(Current().PrinterSetup(printer));
    scriptedUi().setPrinterSetupResult(false);
    EXPECT_FALSE(Current().PrinterSetup(printer));

    EXPECT_EQ(scriptedUi().beepCount(), 2);
    EXPECT_EQ(scriptedUi().doEventsCount(), 1);
    EXPECT_EQ(Current().mousePointer(), vbHourglass);
    EXPECT_EQ(scriptedUi().pointerHistory(), (QList<MousePointer> {vbHourglass}));
    EXPECT_EQ(scriptedUi().openedUrls(), QStringList {QStringLiteral("https://example.org/")});
    EXPECT_EQ(scriptedUi().openedFiles(), QStringList {QStringLiteral("/tmp/Log/Trasvase/x.txt")});
    ASSERT_EQ(scriptedUi().helpShown().size(), 1);
    EXPECT_EQ(scriptedUi().helpShown()[0].second, 25);
    EXPECT_EQ(scriptedUi().printerSetupCount(), 2);

    scriptedUi().reset();
    EXPECT_EQ(scriptedUi().beepCount(), 0);
    EXPECT_EQ(Current().mousePointer(), vbDefault);
    EXPECT_TRUE(scriptedUi().openedUrls().isEmpty());
}

TEST(TestEnvironment, EachTestGetsSpanishRegionalSettingsAndItsOwnSettingsFolder)
{
    EXPECT_EQ(os::SystemLocaleSeparators(),
              (os::LocaleSeparators {QStringLiteral(","), QStringLiteral("."), QStringLiteral(","), QStringLiteral(".")}));
    EXPECT_EQ(os::UserDefaultLangID(), 3082);
    EXPECT_FALSE(testsupport::settingsFolder().isEmpty());
    EXPECT_TRUE(QDir(testsupport::settingsFolder()).isEmpty());
}

} // namespace
