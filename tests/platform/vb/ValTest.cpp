#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

struct ValCase {
    const char* text;
    double expected;
};

class ValTable : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTable, ReadsTheLeadingNumber)
{
    const ValCase& c = GetParam();
    EXPECT_DOUBLE_EQ(vb::Val(QString::fromUtf8(c.text)), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Val, ValTable, ::testing::Values(
    ValCase{"12abc", 12},
    ValCase{"  1 2 3", 123},
    ValCase{"1615 198th Street", 1615198},
    ValCase{"\t4\n2", 42},
    ValCase{"- 5", -5},
    ValCase{"-1.5", -1.5},
    ValCase{"+3", 3},
    ValCase{".5", 0.5},
    ValCase{"5.", 5},
    ValCase{"1.2.3", 1.2},
    ValCase{"1,5", 1},
    ValCase{"1.5E3", 1500},
    ValCase{"1.5d3", 1500},
    ValCase{"2e-2", 0.02},
    ValCase{"1e", 1},
    ValCase{"1e+", 1},
    ValCase{"1e-400", 0},
    ValCase{"abc", 0},
    ValCase{"", 0},
    ValCase{"--5", 0},
    ValCase{"-", 0},
    ValCase{"&HFF", 255},
    ValCase{"&hff", 255},
    ValCase{"&HFFFF", -1},
    ValCase{"&H8000", -32768},
    ValCase{"&H10000", 65536},
    ValCase{"&HFFFFFFFF", -1},
    ValCase{"&O17", 15},
    ValCase{"&17", 15},
    ValCase{"&18", 1},
    ValCase{"&H", 0},
    ValCase{"&Hxyz", 0}));

TEST(Val, OverflowIsAnError)
{
    for (const char* text : {"1e400", "&H100000000"})
        EXPECT_EQ(testsupport::ErrorNumberOf([text] { vb::Val(QString::fromLatin1(text)); }), vb::ErrOverflow) << text;
}

} // namespace
