#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using testsupport::ErrorNumberOf;

struct RoundCase {
    double value;
    long expected;
};

class CIntTable : public ::testing::TestWithParam<RoundCase> {};

TEST_P(CIntTable, RoundsHalvesToEven)
{
    EXPECT_EQ(vb::CInt(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(CInt, CIntTable, ::testing::Values(
    RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2}, RoundCase{3.5, 4},
    RoundCase{-0.5, 0}, RoundCase{-1.5, -2}, RoundCase{-2.5, -2},
    RoundCase{2.4999, 2}, RoundCase{2.5001, 3}, RoundCase{-2.5001, -3},
    RoundCase{32767.4, 32767}, RoundCase{-32768.5, -32768}, RoundCase{-32768.4, -32768}));

class CLngTable : public ::testing::TestWithParam<RoundCase> {};

TEST_P(CLngTable, RoundsHalvesToEven)
{
    EXPECT_EQ(vb::CLng(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(CLng, CLngTable, ::testing::Values(
    RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2}, RoundCase{-2.5, -2},
    RoundCase{100000.5, 100000}, RoundCase{100001.5, 100002},
    RoundCase{2147483647.4, 2147483647}, RoundCase{-2147483648.5, -2147483648L}));

TEST(CIntCLng, OutOfRangeAfterRoundingOverflows)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {32767.5, -32769.0, 40000.0, inf, nan})
        EXPECT_EQ(ErrorNumberOf([v] { vb::CInt(v); }), vb::ErrOverflow) << v;
    for (double v : {2147483647.5, -2147483649.0, 1e12, -inf, nan})
        EXPECT_EQ(ErrorNumberOf([v] { vb::CLng(v); }), vb::ErrOverflow) << v;
}

TEST(CIntCLng, OverflowCarriesTheSpanishDescription)
{
    try {
        vb::CInt(1e6);
        FAIL() << "no error";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.description(), QStringLiteral("Desbordamiento"));
        EXPECT_STREQ(e.what(), "Desbordamiento");
    }
}

struct NumericCase {
    const char* text;
    bool numeric;
    double value; // when numeric
};

class RegionalNumberTable : public ::testing::TestWithParam<NumericCase> {};

TEST_P(RegionalNumberTable, FollowsTheSpanishFormat)
{
    const NumericCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(vb::IsNumeric(text), c.numeric) << c.text;
    if (c.numeric)
        EXPECT_DOUBLE_EQ(vb::CDblEs(text), c.value) << c.text;
    else
        EXPECT_EQ(ErrorNumberOf([&] { vb::CDblEs(text); }), vb::ErrTypeMismatch) << c.text;
}

INSTANTIATE_TEST_SUITE_P(IsNumeric, RegionalNumberTable, ::testing::Values(
    NumericCase{"1", true, 1},
    NumericCase{" 12 ", true, 12},
    NumericCase{"-3", true, -3},
    NumericCase{"+3", true, 3},
    NumericCase{"1.234", true, 1234},
    NumericCase{"1.234,56", true, 1234.56},
    NumericCase{"1.2.3", true, 123},
    NumericCase{"12.", true, 12},
    NumericCase{",5", true, 0.5},
    NumericCase{"-0,5", true, -0.5},
    NumericCase{"1,5e3", true, 1500},
    NumericCase{"1E-2", true, 0.01},
    NumericCase{"&HFF", true, 255},
    NumericCase{"0", true, 0},
    NumericCase{"", false, 0},
    NumericCase{"   ", false, 0},
    NumericCase{"abc", false, 0},
    NumericCase{"12a", false, 0},
    NumericCase{"1,2,3", false, 0},
    NumericCase{".5", false, 0},
    NumericCase{"1..2", false, 0},
    NumericCase{",", false, 0},
    NumericCase{"-", false, 0},
    NumericCase{"1e", false, 0},
    NumericCase{"- 5", false, 0},
    NumericCase{"5-", false, 0},
    NumericCase{"(5)", false, 0},
    NumericCase{"€5", false, 0},
    NumericCase{"&H", false, 0}));

TEST(IsNumeric, TooLargeForADoubleIsNotNumericAndDoesNotConvert)
{
    EXPECT_FALSE(vb::IsNumeric(QStringLiteral("1e999")));
    EXPECT_EQ(ErrorNumberOf([] { vb::CDblEs(QStringLiteral("1e999")); }), vb::ErrOverflow);
}

TEST(ErrObject, SetFromAnErrorAndClear)
{
    vb::ErrObject err;
    err.Set(vb::VbError(vb::ErrTypeMismatch, QStringLiteral("No coinciden los tipos"), QStringLiteral("x")));
    EXPECT_EQ(err.Number, vb::ErrTypeMismatch);
    EXPECT_EQ(err.Description, QStringLiteral("No coinciden los tipos"));
    EXPECT_EQ(err.Source, QStringLiteral("x"));
    err.Clear();
    EXPECT_EQ(err.Number, 0);
    EXPECT_TRUE(err.Description.isEmpty());
    EXPECT_TRUE(err.Source.isEmpty());
}

} // namespace
