#include "platform/ui/QtUi.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace ui;

TEST(QtUi, HourglassIsOneOverrideCursorLevel)
{
    QtUi qt;
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    qt.setMousePointer(vbHourglass);
    qt.setMousePointer(vbHourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(qt.mousePointer(), vbHourglass);
    qt.setMousePointer(vbDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a second hourglass must not leave a level behind";
    qt.setMousePointer(vbDefault);
    EXPECT_EQ(qt.mousePointer(), vbDefault);
}

TEST(QtUi, DoEventsRunsPendingEvents)
{
    QtUi qt;
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    qt.DoEvents();
    EXPECT_TRUE(ran);
}

TEST(QtUi, IsTheUiWhenNoneIsInstalled)
{
    SetCurrent(nullptr);
    EXPECT_NE(dynamic_cast<QtUi*>(&Current()), nullptr);
    SetCurrent(&testsupport::scriptedUi());
    EXPECT_EQ(&Current(), &testsupport::scriptedUi());
}

} // namespace
