#include "platform/vb/Texto.h"

#include <gtest/gtest.h>

namespace {

TEST(Texto, TrimTakesOffSpacesOnly)
{
    struct Case {
        const char16_t* text;
        const char16_t* trim;
        const char16_t* left;
        const char16_t* right;
    };
    const Case cases[] = {
        {u"", u"", u"", u""},
        {u"   ", u"", u"", u""},
        {u"  Núñez  ", u"Núñez", u"Núñez  ", u"  Núñez"},
        {u"a b", u"a b", u"a b", u"a b"},
        {u"\tuno\r\n", u"\tuno\r\n", u"\tuno\r\n", u"\tuno\r\n"},
        {u" \u00A0x\u00A0 ", u"\u00A0x\u00A0", u"\u00A0x\u00A0 ", u" \u00A0x\u00A0"},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(vb::Trim(text), QString::fromUtf16(c.trim)) << text.toStdString();
        EXPECT_EQ(vb::LTrim(text), QString::fromUtf16(c.left)) << text.toStdString();
        EXPECT_EQ(vb::RTrim(text), QString::fromUtf16(c.right)) << text.toStdString();
    }
}

} // namespace
