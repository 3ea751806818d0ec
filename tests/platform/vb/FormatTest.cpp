#include "platform/vb/Format.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

class FormatNumberTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTable, FormatsWithSpanishSeparators)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(vb::FormatNumber(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
        << c.value << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(FormatNumber, FormatNumberTable, ::testing::Values(
    FormatCase{1234.5, "##,##0.00", "1.234,50"},
    FormatCase{1234.5, "##,##0", "1.235"},
    FormatCase{-1234.5, "##,##0", "-1.235"},
    FormatCase{1234567.891, "##,##0", "1.234.568"},
    FormatCase{123456789012.75, "##,##0", "123.456.789.013"},
    FormatCase{2.675, "0.00", "2,68"},
    FormatCase{2.675, "##,##0.00", "2,68"},
    FormatCase{1.005, "0.00", "1,01"},
    FormatCase{0.125, "0.00", "0,13"},
    FormatCase{-2.675, "##,##0.00", "-2,68"},
    FormatCase{999.995, "##,##0.00", "1.000,00"},
    FormatCase{0.5, "0", "1"},
    FormatCase{-0.5, "0", "-1"},
    FormatCase{1.5, "0", "2"},
    FormatCase{2.5, "0", "3"},
    FormatCase{-0.004, "0.00", "0,00"},
    FormatCase{0, "##,##0.00", "0,00"},
    FormatCase{0.25, "##,##0.00", "0,25"},
    FormatCase{123, "0.00", "123,00"},
    FormatCase{100, "##,##0", "100"},
    FormatCase{1000, "##,##0", "1.000"},
    FormatCase{1234567, "###", "1234567"},
    FormatCase{-1234567.5, "###", "-1234568"},
    FormatCase{0, "###", ""},
    FormatCase{0.4, "###", ""},
    FormatCase{7, "000", "007"},
    FormatCase{5, "0.##", "5"},
    FormatCase{5.1, "0.##", "5,1"},
    FormatCase{5.127, "0.0#", "5,13"},
    FormatCase{12.5, "0.00 €", "12,50 €"},
    FormatCase{0.1 + 0.2, "0.00000000000000000", "0,30000000000000000"}));

TEST(FormatNumber, PatternWithoutPlaceholders)
{
    EXPECT_EQ(vb::FormatNumber(1234.5, QString()), QStringLiteral("1234,5"));
    EXPECT_EQ(vb::FormatNumber(1234.5, QStringLiteral("abc")), QStringLiteral("abc"));
}

struct CStrCase {
    double value;
    const char* expected;
};

class CStrDoubleTable : public ::testing::TestWithParam<CStrCase> {};

TEST_P(CStrDoubleTable, WritesUpToFifteenSignificantDigits)
{
    EXPECT_EQ(vb::CStrDouble(GetParam().value), QString::fromLatin1(GetParam().expected)) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(CStrDouble, CStrDoubleTable, ::testing::Values(
    CStrCase{1234.56, "1234,56"},
    CStrCase{0.5, "0,5"},
    CStrCase{0, "0"},
    CStrCase{-0.0, "0"},
    CStrCase{-6.01, "-6,01"},
    CStrCase{1234567, "1234567"},
    CStrCase{123456789012345, "123456789012345"},
    CStrCase{1e15, "1E+15"},
    CStrCase{0.1 + 0.2, "0,3"},
    CStrCase{1.0 / 3.0, "0,333333333333333"},
    CStrCase{0.0001, "0,0001"},
    CStrCase{0.00001, "1E-05"}));

} // namespace
