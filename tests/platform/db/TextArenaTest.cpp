#include "platform/db/TextArena.h"

#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

std::size_t budgetOf(const std::vector<std::string>& texts)
{
    std::size_t n = 0;
    for (const std::string& t : texts)
        n += db::TextArena::budget(t.size());
    return n;
}

TEST(TextArena, DecodesAsFromUtf8)
{
    const std::vector<std::string> texts = {
        "", "García", "Ñ", "\xF0\x9D\x84\x9E clave", // outside the BMP: two UTF-16 units
        "\xEF\xBB\xBF" "con BOM", "\xFF", "fin \xC3", "\xC0\xAF", "\xED\xA0\x80", std::string("a\0b", 3),
        std::string(300, 'x'), // past the shared-buffer size: a QString of its own
        "Núñez", "\xEF\xBB\xBF"};
    // With the right budget, with none and with too much.
    for (std::size_t expected : {budgetOf(texts), std::size_t(0), std::size_t(1) << 20}) {
        db::TextArena arena(expected);
        std::vector<QString> made;
        for (const std::string& t : texts)
            made.push_back(arena.text(t));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QString want = QString::fromUtf8(texts[i].data(), qsizetype(texts[i].size()));
            EXPECT_EQ(made[i], want) << i;
            EXPECT_EQ(made[i].isNull(), want.isNull()) << i;
            EXPECT_EQ(made[i].utf16()[made[i].size()], 0) << i; // zero-terminated for C interfaces
        }
    }
}

// Random mixes of valid sequences, noncharacters, BOMs and broken bytes
// decode as QString::fromUtf8 decodes them.
TEST(TextArena, MixedBytesDecodeAsFromUtf8)
{
    const char* pieces[] = {"a", "Z", " ", "\xC3\xB1", "\xE2\x82\xAC", "\xF0\x9D\x84\x9E", "\xEF\xBF\xBF", "\xEF\xBB\xBF",
                            "\xEF\xB7\x90", "\xF4\x8F\xBF\xBF", "\x80", "\xC0", "\xC3", "\xE2\x82", "\xED\xA0\x80",
                            "\xF4\x90\x80\x80", "\xF5", "\xFF", "\xE0\x80\x80"};
    std::mt19937 random(27);
    std::vector<std::string> texts;
    for (int i = 0; i < 5000; ++i) {
        std::string t;
        for (int n = int(random() % 8); n > 0; --n)
            t += pieces[random() % std::size(pieces)];
        texts.push_back(t);
    }
    db::TextArena arena(budgetOf(texts));
    for (const std::string& t : texts)
        ASSERT_EQ(arena.text(t), QString::fromUtf8(t.data(), qsizetype(t.size()))) << testing::PrintToString(t);
    // A buffer filled with texts that decode to nothing (a lone BOM each).
    db::TextArena boms(0);
    std::vector<QString> empty;
    for (int i = 0; i < 5000; ++i)
        empty.push_back(boms.text("\xEF\xBB\xBF"));
    for (const QString& e : empty)
        ASSERT_TRUE(e.isEmpty());
}

TEST(TextArena, ManyTextsFillSeveralBuffers)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 2000; ++i)
        texts.push_back("Íñigo " + std::to_string(i));
    db::TextArena arena(budgetOf(texts));
    std::vector<QString> made;
    for (const std::string& t : texts)
        made.push_back(arena.text(t));
    for (std::size_t i = 0; i < texts.size(); ++i)
        ASSERT_EQ(made[i], QString::fromStdString(texts[i])) << i;
}

// Texts of one buffer are independent values: changing one never shows in
// another, and one outlives the arena and its neighbours.
TEST(TextArena, TextsAreIndependentValues)
{
    QString kept;
    {
        db::TextArena arena(64);
        QString uno = arena.text("uno");
        kept = arena.text("dos");
        QString tres = arena.text("tres");
        uno.append(QStringLiteral("-cambiado-y-largo"));
        uno[0] = u'U';
        tres.truncate(1);
        EXPECT_EQ(uno, QStringLiteral("Uno-cambiado-y-largo"));
        EXPECT_EQ(tres, QStringLiteral("t"));
        EXPECT_EQ(kept, QStringLiteral("dos"));
    }
    EXPECT_EQ(kept, QStringLiteral("dos"));
    kept.append(QStringLiteral(" y un texto que ya no cabe donde estaba"));
    kept.prepend(u'>');
    EXPECT_EQ(kept, QStringLiteral(">dos y un texto que ya no cabe donde estaba"));
}

} // namespace
