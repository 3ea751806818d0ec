#include "platform/ui/EnabledStateGuard.h"
#include "platform/ui/HourglassGuard.h"
#include "support/TestEnvironment.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace ui;

TEST(HourglassGuard, ShowsTheHourglassAndPutsBackThePreviousPointer)
{
    {
        HourglassGuard outer;
        EXPECT_EQ(Current().mousePointer(), vbHourglass);
        {
            HourglassGuard inner;
            EXPECT_EQ(Current().mousePointer(), vbHourglass);
        }
        EXPECT_EQ(Current().mousePointer(), vbHourglass) << "the inner guard must not end the outer wait";
    }
    EXPECT_EQ(Current().mousePointer(), vbDefault);
}

TEST(HourglassGuard, RestoresWhenAnExceptionLeaves)
{
    try {
        HourglassGuard guard;
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Current().mousePointer(), vbDefault);
}

TEST(EnabledStateGuard, DisablesAndRestores)
{
    QWidget window;
    {
        EnabledStateGuard guard(&window);
        EXPECT_FALSE(window.isEnabled());
    }
    EXPECT_TRUE(window.isEnabled());

    window.setEnabled(false);
    {
        EnabledStateGuard guard(&window, true);
        EXPECT_TRUE(window.isEnabled());
    }
    EXPECT_FALSE(window.isEnabled());
}

TEST(EnabledStateGuard, ToleratesNoWidgetAndADeletedOne)
{
    EnabledStateGuard none(nullptr);
    auto* widget = new QWidget;
    {
        EnabledStateGuard guard(widget);
        delete widget;
    }
    SUCCEED();
}

} // namespace
