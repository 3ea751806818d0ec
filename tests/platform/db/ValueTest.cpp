#include "platform/db/Value.h"

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(Value, TextAsTheSpanishSystemWroteIt)
{
    const std::pair<db::Value, const char*> cases[] = {
        {db::Value(), ""},
        {db::Value(true), "Verdadero"},
        {db::Value(false), "Falso"},
        {db::Value(1234.56), "1234,56"},
        {db::Value(-0.5), "-0,5"},
        {db::Value(qint64(42)), "42"},
        {db::Value(vb::Currency::fromDouble(12.5)), "12,5"},
        {db::Value("ñandú"), "ñandú"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(value.toString(), QString::fromUtf8(text));
}

TEST(Value, NumericConversions)
{
    EXPECT_EQ(db::Value(2.5).toInt64(), 2);  // halves to even
    EXPECT_EQ(db::Value(3.5).toInt64(), 4);
    EXPECT_EQ(db::Value(true).toInt64(), -1);
    EXPECT_EQ(db::Value("12,5").toDouble(), 12.5);
    EXPECT_EQ(db::Value(qint64(7)).toCurrency().raw(), 70000);
    EXPECT_TRUE(db::Value(qint64(-1)).toBool());
    EXPECT_FALSE(db::Value("Falso").toBool());
}

TEST(Value, NullAndNonNumbersRaiseVbErrors)
{
    EXPECT_EQ(testsupport::ErrorNumberOf([] { db::Value().toInt64(); }), 94);
    EXPECT_EQ(testsupport::ErrorNumberOf([] { db::Value("abc").toDouble(); }), 13);
}

} // namespace
