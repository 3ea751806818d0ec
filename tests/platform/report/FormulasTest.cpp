// Formula values and entries as the control receives them.
#include "platform/report/ErroresInforme.h"
#include "platform/report/TablaFormulas.h"
#include "platform/report/ValorFormula.h"
#include "support/ErrorNumber.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using report::ValorFormula;

TEST(FormulasTest, ValuesAreQuotedTextsOrNumbers)
{
    struct Caso {
        const char* escrito;
        bool valido;
        bool esTexto;
        const char* mostrado;
    };
    const Caso casos[] = {
        {"0", true, false, "0"},
        {" 2 ", true, false, "2"},
        {"-1.5", true, false, "-1,5"},
        {"0,25", true, false, "0,25"},
        {"\"---\"", true, true, "---"},
        {" \"Begoña Núñez\" ", true, true, "Begoña Núñez"},
        {"'Sí'", true, true, "Sí"},
        {"\"Dijo \"\"sí\"\"\"", true, true, "Dijo \"sí\""},
        {"\"\"", true, true, ""},
        {"dos", false, false, ""},
        {"\"abierta", false, false, ""},
        {"\"a\"b\"", false, false, ""},
        {"1.2.3", false, false, ""},
        {"", false, false, ""},
    };
    for (const Caso& c : casos) {
        const auto v = ValorFormula::Leer(QString::fromUtf8(c.escrito));
        ASSERT_EQ(v.has_value(), c.valido) << c.escrito;
        if (!v)
            continue;
        EXPECT_EQ(v->esTexto, c.esTexto) << c.escrito;
        EXPECT_EQ(v->mostrar(), QString::fromUtf8(c.mostrado)) << c.escrito;
    }
}

TEST(FormulasTest, EntriesOverrideDeclaredFormulasByName)
{
    report::TablaFormulas t({{QStringLiteral("PtsEur"), ValorFormula::Numero(2)},
                             {QStringLiteral("EXT - Novia - Cursillo Premat."), ValorFormula::Texto(QString())}});
    t.Aplicar({QStringLiteral("ptseur=0"), QStringLiteral("Desconocida=esto no se lee"),
               QStringLiteral("EXT - Novia - Cursillo Premat.= \"---\""), QStringLiteral("PTSEUR = 2")});
    ASSERT_NE(t.Buscar(QStringLiteral("PtsEur")), nullptr);
    EXPECT_EQ(t.Buscar(QStringLiteral("PtsEur"))->numero, 2);
    EXPECT_EQ(t.Buscar(QStringLiteral("ext - novia - cursillo premat."))->texto, QStringLiteral("---"));
    EXPECT_EQ(t.Buscar(QStringLiteral("Desconocida")), nullptr);

    EXPECT_EQ(testsupport::ErrorNumberOf([&] { t.Aplicar({QStringLiteral("PtsEur=dos")}); }), report::err::Formula);
    EXPECT_EQ(testsupport::ErrorNumberOf([&] { t.Aplicar({QStringLiteral("PtsEur")}); }), report::err::Formula);
}

} // namespace
