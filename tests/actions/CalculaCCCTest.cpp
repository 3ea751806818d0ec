#include "platform/pvapi/CalculaCCC.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct CasoCCC {
    const char* banco;
    const char* sucursal;
    const char* cuenta;
    const char* digitos;  // null: no control digits
};

TEST(CalculaCCCTest, DigitosDeControlDeCuentasEspanolas)
{
    const CasoCCC casos[] = {
        // Published example accounts.
        {"2100", "0418", "0200051332", "45"},
        {"0049", "1500", "1234567892", "05"},
        // 11 is written 0 and 10 is written 1.
        {"2100", "0418", "0000000000", "40"},
        {"2100", "0418", "1000000000", "41"},
        // Short codes are padded with zeros on the left; spaces around a
        // part do not count.
        {"49", "1500", "1234567892", "05"},
        {"2100", "418", "200051332", "45"},
        {" 2100 ", "0418 ", " 0200051332", "45"},
        // No digits can be computed from these.
        {"21A0", "0418", "0200051332", nullptr},
        {"2100", "04-8", "0200051332", nullptr},
        {"2100", "0418", "02000513X2", nullptr},
        {"2100", "0418", "0200 51332", nullptr},
        {"", "0418", "0200051332", nullptr},
        {"2100", "", "0200051332", nullptr},
        {"2100", "0418", "", nullptr},
        {"21000", "0418", "0200051332", nullptr},
        {"2100", "0418", "02000513321", nullptr},
        {"2100", "0418", "-200051332", nullptr},
        {"2100", "０418", "0200051332", nullptr},
    };
    for (const CasoCCC& caso : casos) {
        SCOPED_TRACE(std::string(caso.banco) + "|" + caso.sucursal + "|" + caso.cuenta);
        const std::optional<QString> digitos = PVAPI::CalculaCCC(
            QString::fromUtf8(caso.banco), QString::fromUtf8(caso.sucursal), QString::fromUtf8(caso.cuenta));
        if (caso.digitos)
            EXPECT_EQ(digitos, std::optional<QString>(QString::fromLatin1(caso.digitos)));
        else
            EXPECT_EQ(digitos, std::nullopt);
    }
}

} // namespace
