#include "platform/ui/Message.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

TEST(Message, StyleIsTakenApart)
{
    const Message m = Message::fromStyle(QStringLiteral("¿Desea continuar?"),
                                         vbYesNo + vbExclamation + vbDefaultButton2 + vbMsgBoxHelpButton,
                                         QStringLiteral("Norvia Parvanta 2000"), QStringLiteral("/app/duzediv.chm"), 25);
    EXPECT_EQ(m.text, QStringLiteral("¿Desea continuar?"));
    EXPECT_EQ(m.caption, QStringLiteral("Norvia Parvanta 2000"));
    EXPECT_EQ(m.buttons, vbYesNo);
    EXPECT_EQ(m.icon, vbExclamation);
    EXPECT_EQ(m.defaultButton, vbDefaultButton2);
    EXPECT_TRUE(m.helpButton);
    EXPECT_EQ(m.helpFile, QStringLiteral("/app/duzediv.chm"));
    EXPECT_EQ(m.helpContext, 25);

    const Message plain = Message::fromStyle(QStringLiteral("x"), vbOKOnly, QString());
    EXPECT_EQ(plain.buttons, vbOKOnly);
    EXPECT_EQ(plain.icon, 0);
    EXPECT_EQ(plain.defaultButton, vbDefaultButton1);
    EXPECT_FALSE(plain.helpButton);
}

struct ButtonsCase {
    int style;
    QList<int> answers;
    int defaultAnswer;
    int escapeAnswer;
};

class MessageButtons : public ::testing::TestWithParam<ButtonsCase> {};

TEST_P(MessageButtons, AnswersDefaultAndEscape)
{
    const ButtonsCase& c = GetParam();
    const Message m = Message::fromStyle(QStringLiteral("t"), c.style, QStringLiteral("c"));
    EXPECT_EQ(m.answers(), c.answers);
    EXPECT_EQ(m.defaultAnswer(), c.defaultAnswer);
    EXPECT_EQ(m.escapeAnswer(), c.escapeAnswer);
}

INSTANTIATE_TEST_SUITE_P(Message, MessageButtons, ::testing::Values(
    ButtonsCase{vbOKOnly, {vbOK}, vbOK, vbOK},
    ButtonsCase{vbOKOnly + vbDefaultButton3, {vbOK}, vbOK, vbOK},
    ButtonsCase{vbOKCancel, {vbOK, vbCancel}, vbOK, vbCancel},
    ButtonsCase{vbOKCancel + vbDefaultButton2, {vbOK, vbCancel}, vbCancel, vbCancel},
    ButtonsCase{vbYesNo, {vbYes, vbNo}, vbYes, 0},
    ButtonsCase{vbYesNo + vbDefaultButton2 + vbQuestion, {vbYes, vbNo}, vbNo, 0},
    ButtonsCase{vbYesNoCancel + vbDefaultButton3, {vbYes, vbNo, vbCancel}, vbCancel, vbCancel},
    ButtonsCase{vbAbortRetryIgnore + vbDefaultButton2, {vbAbort, vbRetry, vbIgnore}, vbRetry, 0},
    ButtonsCase{vbRetryCancel, {vbRetry, vbCancel}, vbRetry, vbCancel}));

} // namespace
