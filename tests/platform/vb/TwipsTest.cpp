#include "platform/vb/Twips.h"

#include <QtMath>
#include <gtest/gtest.h>

namespace {

TEST(Twips, ConversionsAtAGivenDpi)
{
    EXPECT_EQ(vb::TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(vb::TwipsToPixels(15, 96), 1);
    EXPECT_EQ(vb::TwipsToPixels(7, 96), 0);
    EXPECT_EQ(vb::TwipsToPixels(8, 96), 1);
    EXPECT_EQ(vb::TwipsToPixels(-1965, 96), -131);
    EXPECT_EQ(vb::TwipsToPixels(1440, 120), 120);
    EXPECT_EQ(vb::PixelsToTwips(1, 96), 15);
    EXPECT_EQ(vb::PixelsToTwips(100, 120), 1200);
}

TEST(Twips, ScreenConversionsUseTheScreenDpi)
{
    ASSERT_GT(vb::ScreenDpiX(), 0);
    ASSERT_GT(vb::ScreenDpiY(), 0);
    EXPECT_EQ(vb::TwipsToPixelsX(1440), qRound(vb::ScreenDpiX()));
    EXPECT_EQ(vb::TwipsToPixelsY(1440), qRound(vb::ScreenDpiY()));
    EXPECT_EQ(vb::TwipsToPixelsX(vb::PixelsToTwipsX(321)), 321);
    EXPECT_EQ(vb::TwipsToPixelsY(vb::PixelsToTwipsY(123)), 123);
}

} // namespace
