#include "platform/vb/Currency.h"
#include "platform/vb/VbError.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using vb::Currency;

struct FromDoubleCase {
    double value;
    qint64 raw;
};

class CurrencyFromDouble : public ::testing::TestWithParam<FromDoubleCase> {};

TEST_P(CurrencyFromDouble, RoundsToTenThousandthsHalvesToEven)
{
    EXPECT_EQ(Currency::fromDouble(GetParam().value).raw(), GetParam().raw) << GetParam().value;
}

// Binary fractions (1/32 ...) make exact halves of a ten-thousandth.
INSTANTIATE_TEST_SUITE_P(Currency, CurrencyFromDouble, ::testing::Values(
    FromDoubleCase{0, 0},
    FromDoubleCase{1.5, 15000},
    FromDoubleCase{-6.01, -60100},
    FromDoubleCase{0.03125, 312},
    FromDoubleCase{0.09375, 938},
    FromDoubleCase{-0.03125, -312},
    FromDoubleCase{-0.09375, -938},
    FromDoubleCase{94 / 166.386, 5650},
    FromDoubleCase{900000000000000.0, 9000000000000000000LL}));

TEST(Currency, OverflowIsAnError)
{
    for (double v : {1e15, -1e15, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(testsupport::ErrorNumberOf([v] { Currency::fromDouble(v); }), vb::ErrOverflow) << v;
    const Currency max = Currency::fromRaw(std::numeric_limits<qint64>::max());
    const Currency min = Currency::fromRaw(std::numeric_limits<qint64>::min());
    EXPECT_THROW(max + Currency::fromRaw(1), vb::VbError);
    EXPECT_THROW(min - Currency::fromRaw(1), vb::VbError);
    EXPECT_THROW(-min, vb::VbError);
    EXPECT_THROW(max * 2, vb::VbError);
    EXPECT_THROW(min * -1, vb::VbError);
}

struct TextCase {
    qint64 raw;
    const char* text;
};

class CurrencyText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CurrencyText, IsCStrInSpanish)
{
    EXPECT_EQ(Currency::fromRaw(GetParam().raw).toString(), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Currency, CurrencyText, ::testing::Values(
    TextCase{12345000, "1234,5"},
    TextCase{0, "0"},
    TextCase{-60100, "-6,01"},
    TextCase{1, "0,0001"},
    TextCase{-1, "-0,0001"},
    TextCase{10000, "1"},
    TextCase{std::numeric_limits<qint64>::max(), "922337203685477,5807"},
    TextCase{std::numeric_limits<qint64>::min(), "-922337203685477,5808"}));

TEST(Currency, ArithmeticAndOrder)
{
    const Currency a = Currency::fromRaw(60100);
    const Currency b = Currency::fromRaw(-10000);
    EXPECT_EQ((a + b).raw(), 50100);
    EXPECT_EQ((a - b).raw(), 70100);
    EXPECT_EQ((-a).raw(), -60100);
    // 0.5650 * 1000 through a double would give 564.99999...; exact here.
    EXPECT_EQ((Currency::fromDouble(94 / 166.386) * 1000).raw(), 5650000);
    EXPECT_EQ((a * -3).raw(), -180300);
    Currency c = a;
    c += a;
    c -= b;
    EXPECT_EQ(c.raw(), 130200);
    EXPECT_LT(b, a);
    EXPECT_EQ(a, Currency::fromDouble(6.01));
    EXPECT_DOUBLE_EQ(a.toDouble(), 6.01);
    EXPECT_DOUBLE_EQ(Currency::fromRaw(-5).toDouble(), -0.0005);
}

} // namespace
