#include "platform/ui/MessageBoxSetup.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace ui;

struct BoxCase {
    int style;
    QStringList texts;       // in VB order
    QString defaultText;
    QString escapeText;      // empty: Escape does nothing
};

QStringList TextsInAnswerOrder(const QHash<QAbstractButton*, int>& answers, const Message& message)
{
    QStringList texts;
    for (const int answer : message.answers())
        texts << answers.key(answer)->text();
    return texts;
}

class MessageBoxButtons : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxButtons, SpanishButtonsDefaultAndEscape)
{
    const BoxCase& c = GetParam();
    const Message message = Message::fromStyle(QStringLiteral("texto"), c.style, QStringLiteral("título"));
    QMessageBox box;
    const auto answers = SetUpMessageBox(box, message, [] {});
    EXPECT_EQ(TextsInAnswerOrder(answers, message), c.texts);
    ASSERT_NE(box.defaultButton(), nullptr);
    EXPECT_EQ(box.defaultButton()->text(), c.defaultText);
    // QMessageBox picks an escape button of its own when shown: press Escape
    // on the (non-modal, offscreen) box and see what it clicks.
    box.setModal(false);
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    QAbstractButton* escape = box.clickedButton();
    EXPECT_EQ(escape ? escape->text() : QString(), c.escapeText);
    EXPECT_EQ(box.isVisible(), c.escapeText.isEmpty());
    box.hide();
}

INSTANTIATE_TEST_SUITE_P(MessageBoxSetup, MessageBoxButtons, ::testing::Values(
    BoxCase{vbOKOnly, {"Aceptar"}, "Aceptar", "Aceptar"},
    BoxCase{vbOKCancel + vbDefaultButton2, {"Aceptar", "Cancelar"}, "Cancelar", "Cancelar"},
    BoxCase{vbYesNo + vbDefaultButton2, {"Sí", "No"}, "No", ""},
    BoxCase{vbYesNoCancel, {"Sí", "No", "Cancelar"}, "Sí", "Cancelar"},
    BoxCase{vbAbortRetryIgnore + vbDefaultButton3, {"Anular", "Reintentar", "Omitir"}, "Omitir", ""},
    BoxCase{vbRetryCancel, {"Reintentar", "Cancelar"}, "Reintentar", "Cancelar"}));

TEST(MessageBoxSetup, IconCaptionAndText)
{
    struct { int style; QMessageBox::Icon icon; } cases[] = {
        {vbCritical, QMessageBox::Critical}, {vbQuestion, QMessageBox::Question},
        {vbExclamation, QMessageBox::Warning}, {vbInformation, QMessageBox::Information},
        {vbOKOnly, QMessageBox::NoIcon}};
    for (const auto& c : cases) {
        QMessageBox box;
        SetUpMessageBox(box, Message::fromStyle(QStringLiteral("¡Atención!"), c.style, QStringLiteral("Norvia")), [] {});
        EXPECT_EQ(box.icon(), c.icon) << c.style;
        EXPECT_EQ(box.text(), QStringLiteral("¡Atención!"));
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Norvia"));
    }
}

TEST(MessageBoxSetup, HelpButtonOpensHelpAndKeepsTheBox)
{
    const Message message = Message::fromStyle(QStringLiteral("t"), vbOKCancel + vbMsgBoxHelpButton,
                                               QStringLiteral("c"), QStringLiteral("duzediv.chm"), 25);
    QMessageBox box;
    int helpCalls = 0;
    const auto answers = SetUpMessageBox(box, message, [&] { ++helpCalls; });
    QAbstractButton* help = nullptr;
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == QStringLiteral("Ayuda"))
            help = button;
    }
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(answers.contains(help));
    box.setModal(false);
    box.show();
    help->click();
    EXPECT_EQ(helpCalls, 1);
    EXPECT_TRUE(box.isVisible()) << "Help must not close the box";
    EXPECT_EQ(box.clickedButton(), nullptr);
    answers.key(vbCancel)->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(answers.value(box.clickedButton()), vbCancel);
}

TEST(MessageBoxSetup, NoHelpButtonUnlessAsked)
{
    QMessageBox box;
    SetUpMessageBox(box, Message::fromStyle(QStringLiteral("t"), vbYesNo, QStringLiteral("c")), [] {});
    EXPECT_EQ(box.buttons().size(), 2);
}

} // namespace
