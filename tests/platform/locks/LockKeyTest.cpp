#include "platform/locks/LockRequest.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    QStringList a;
    QStringList b;
    bool same;
};

class LockRecordKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(LockRecordKeyTest, KeysMeetOnlyForTheSameColumns)
{
    const KeyCase& c = GetParam();
    EXPECT_EQ(PVAPI::LockRecordKey(c.a) == PVAPI::LockRecordKey(c.b), c.same)
        << c.a.join(u'|').toStdString() << " vs " << c.b.join(u'|').toStdString();
}

const QChar Sep(0x1F);
const QChar Esc(0x1B);

INSTANTIATE_TEST_SUITE_P(Cases, LockRecordKeyTest, ::testing::Values(
    KeyCase{{"1", "23", "5"}, {"12", "3", "5"}, false},
    KeyCase{{"1", "23", "5"}, {"1", "23", "5"}, true},
    KeyCase{{"12"}, {" 12"}, true},                      // Str() puts a blank before numbers
    KeyCase{{"1", ""}, {"1"}, false},
    KeyCase{{QString("a") + Sep + "b"}, {"a", "b"}, false},
    KeyCase{{QString("a") + Esc, "b"}, {"a", QString(Esc) + "b"}, false},
    KeyCase{{"García"}, {"GARCÍA"}, true}));

TEST(LockRecordKey, OneNumericColumnIsItsText)
{
    EXPECT_EQ(PVAPI::LockRecordKey({"42"}), QStringLiteral("42"));
}

TEST(LockTableName, IgnoresLetterCase)
{
    EXPECT_EQ(PVAPI::LockTableName("EMPRESA"), PVAPI::LockTableName("Empresa"));
    EXPECT_NE(PVAPI::LockTableName("Empresa"), PVAPI::LockTableName("Empresas"));
}

} // namespace
