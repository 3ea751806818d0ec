#include "platform/db/JetCollation.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

int cmp(const char* a, const char* b) { return db::JetCollation::compare(a, b); }

TEST(JetCollation, SpanishOrderWithoutCaseOrAccents)
{
    // Each text sorts after the one before it.
    const char* ordered[] = {"", " a", "1", "9", "a", "alonso", "Álvarez", "b", "Nunez", "Nuñez", "Ñúñez", "o", "z"};
    for (std::size_t i = 1; i < std::size(ordered); ++i) {
        EXPECT_LT(cmp(ordered[i - 1], ordered[i]), 0) << ordered[i - 1] << " < " << ordered[i];
        EXPECT_GT(cmp(ordered[i], ordered[i - 1]), 0) << ordered[i] << " > " << ordered[i - 1];
    }
}

TEST(JetCollation, EqualIgnoringCaseAndAccents)
{
    const std::pair<const char*, const char*> equal[] = {
        {"ALVAREZ", "álvarez"}, {"Muñoz", "MUÑOZ"}, {"camion", "CAMIÓN"}, {"pingüino", "PINGUINO"}, {"Ç", "c"}};
    for (const auto& [a, b] : equal)
        EXPECT_EQ(cmp(a, b), 0) << a << " = " << b;
    EXPECT_NE(cmp("Muñoz", "Munoz"), 0);
    EXPECT_NE(cmp("abc", "abc "), 0);
}

TEST(JetCollation, InvalidUtf8StillOrders)
{
    const std::string bad("a\xC3", 2);
    EXPECT_NE(db::JetCollation::compare(bad, "a"), 0);
    EXPECT_EQ(db::JetCollation::compare(bad, bad), 0);
}

struct LikeCase {
    const char* pattern;
    const char* text;
    bool match;
};

TEST(JetCollation, LikeWithJetAndAnsiWildcards)
{
    const LikeCase cases[] = {
        {"%gar%", "Edgar", true},        {"*gar*", "EDGAR", true},      {"%gar%", "Edgr", false},
        {"_dgar", "Edgar", true},        {"?dgar", "edgar", true},      {"?dgar", "dgar", false},
        {"%2005%", "20050102", true},    {"Pe#a", "Pe3a", true},        {"Pe#a", "Pepa", false},
        {"[a-c]x", "Bx", true},          {"[!a-c]x", "bx", false},      {"[*]", "*", true},
        {"%jose%", "María José", true},  {"%ñ%", "Nuñez", true},        {"%ñ%", "Nunez", false},
        {"", "", true},                  {"%", "", true},               {"a%b%c", "aXXbYYc", true},
        {"a%b%c", "aXXbYY", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db::JetCollation::like(c.pattern, c.text), c.match) << c.pattern << " ~ " << c.text;
}

} // namespace
