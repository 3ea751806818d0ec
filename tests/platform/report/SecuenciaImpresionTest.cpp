// The steps every print repeats around the control: margins, formula
// entries, the engine's error, and the guard that cleans up after a print.
#include "BaseInformesPrueba.h"
#include "DobleControlInforme.h"

#include "platform/pvapi/cDuzediv.h"
#include "platform/report/GuardaImpresion.h"
#include "platform/report/SecuenciaImpresion.h"
#include "platform/vb/VbError.h"
#include "support/ErrorNumber.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using dobles::DobleControlInforme;
using testsupport::scriptedUi;

TEST(SecuenciaImpresionTest, MarginsInMillimetresBecomeTwipsWithHalvesToEven)
{
    const std::pair<const char*, qint16> buenos[] = {
        {"20", 1134}, {"25", 1418}, {"15", 850}, {"10", 567}, {"0", 0}, {"12,5", 709},
        {" 7 ", 397}, {"-5", -284}, {"577", 32716},
    };
    for (const auto& [texto, twips] : buenos) {
        EXPECT_EQ(report::ConvertirMargen(QString::fromUtf8(texto)), std::optional<qint16>(twips)) << texto;
        EXPECT_EQ(report::MargenEnTwips(QString::fromUtf8(texto)), twips) << texto;
    }
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
    EXPECT_EQ(report::MargenEnTwips(QString()), 0); // nothing stored: no margin, no message
    EXPECT_TRUE(scriptedUi().messages().isEmpty());

    // Not a number, or beyond 16 bits: reported once each, printed with 0.
    for (const char* malo : {"abc", "578", "1e9", "12.5.x"}) {
        EXPECT_EQ(report::ConvertirMargen(QString::fromUtf8(malo)), std::nullopt) << malo;
        scriptedUi().queueAnswer(ui::vbOK);
        EXPECT_EQ(report::MargenEnTwips(QString::fromUtf8(malo)), 0) << malo;
        EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QString::fromUtf8(malo)));
        EXPECT_EQ(scriptedUi().lastMessage().icon, ui::vbExclamation);
    }
}

TEST(SecuenciaImpresionTest, ListFormulasFillTheFirstFreeEntryFromOneAndEmptyUpToTheFirstGap)
{
    DobleControlInforme c;
    c.setFormulas(0, QStringLiteral("TramitaParroquia=1")); // entry 0 is not a list entry
    EXPECT_EQ(report::PrimeraFormulaLibre(c), 1);
    EXPECT_EQ(report::AnadirFormula(c, QStringLiteral("PtsEur=0")), 1);
    c.setFormulas(3, QStringLiteral("Otra=1"));
    EXPECT_EQ(report::AnadirFormula(c, QStringLiteral("X=2")), 2);
    EXPECT_EQ(report::PrimeraFormulaLibre(c), 4);

    report::VaciarFormulasDesdeUno(c);
    EXPECT_EQ(c.Formulas(0), QStringLiteral("TramitaParroquia=1"));
    EXPECT_EQ(c.Formulas(1), QString());
    EXPECT_EQ(c.Formulas(2), QString());
    EXPECT_EQ(c.Formulas(3), QString());

    for (int i = 1; i <= 75; ++i)
        c.setFormulas(i, QStringLiteral("F%1=1").arg(i));
    EXPECT_EQ(report::PrimeraFormulaLibre(c), 0);
    EXPECT_EQ(testsupport::ErrorNumberOf([&] { report::AnadirFormula(c, QStringLiteral("Y=1")); }), 9);
    EXPECT_EQ(c.Formulas(76), QString());
}

TEST(SecuenciaImpresionTest, AnEngineErrorIsShownOnceAndCleared)
{
    DobleControlInforme c;
    PVAPI::cDuzediv duzediv;
    EXPECT_FALSE(report::InformarErrorMotor(c, duzediv));
    EXPECT_TRUE(scriptedUi().messages().isEmpty());

    c.fallarProximaImpresion(20506, QStringLiteral("La tabla «Etiquetas» no existe."));
    c.PrintReport();
    scriptedUi().queueAnswer(ui::vbOK);
    EXPECT_TRUE(report::InformarErrorMotor(c, duzediv));
    EXPECT_EQ(scriptedUi().messages().size(), 1);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("20506")));
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("La tabla «Etiquetas» no existe.")));
    EXPECT_EQ(c.LastErrorNumber(), 0);
    EXPECT_EQ(c.LastErrorString(), QString());
    EXPECT_FALSE(report::InformarErrorMotor(c, duzediv));
}

class GuardaImpresionTest : public BaseInformesPrueba {};

TEST_F(GuardaImpresionTest, EveryPathClearsTheControlAndEmptiesTheWorkTables)
{
    const QStringList vaciar{QStringLiteral("DELETE FROM Personas"), QStringLiteral("DELETE FROM Hijos")};
    DobleControlInforme c;
    c.setFormulas(2, QStringLiteral("Ajena=1")); // set by someone else: left alone

    // An exception between filling and printing.
    persona(1, QStringLiteral("Ana"), QStringLiteral("X"));
    hijo(1, 1, QStringLiteral("Bea"));
    try {
        report::GuardaImpresion guarda(c, &con(), vaciar);
        guarda.PonerFormula(0, QStringLiteral("TramitaParroquia=1"));
        EXPECT_EQ(guarda.AnadirFormula(QStringLiteral("PtsEur=2")), 1);
        guarda.PonerOrden(0, QStringLiteral("+{Personas.Orden}"));
        throw std::runtime_error("fallo del relleno");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(c.Formulas(0), QString());
    EXPECT_EQ(c.Formulas(1), QString());
    EXPECT_EQ(c.Formulas(2), QStringLiteral("Ajena=1"));
    EXPECT_EQ(c.SortFields(0), QString());
    EXPECT_EQ(con().Execute(QStringLiteral("SELECT COUNT(*) FROM Personas")).value(0).toInt64(), 0);
    EXPECT_EQ(con().Execute(QStringLiteral("SELECT COUNT(*) FROM Hijos")).value(0).toInt64(), 0);

    // Emptied by the print's own order: not again at the end, so rows a
    // later step writes stay (the destructor repeats only what was not done).
    persona(1, QStringLiteral("Ana"), QStringLiteral("X"));
    {
        report::GuardaImpresion guarda(c, &con(), vaciar);
        guarda.VaciarTablas();
        persona(2, QStringLiteral("Luis"), QStringLiteral("X"));
    }
    EXPECT_EQ(con().Execute(QStringLiteral("SELECT COUNT(*) FROM Personas")).value(0).toInt64(), 1);
}

TEST_F(GuardaImpresionTest, AFailingStatementStillEmptiesTheOtherTables)
{
    persona(1, QStringLiteral("Ana"), QStringLiteral("X"));
    hijo(1, 1, QStringLiteral("Bea"));
    DobleControlInforme c;
    report::GuardaImpresion guarda(
        c, &con(), {QStringLiteral("DELETE FROM NoExiste"), QStringLiteral("DELETE FROM Personas"), QStringLiteral("DELETE FROM Hijos")});
    EXPECT_NE(testsupport::ErrorNumberOf([&] { guarda.VaciarTablas(); }), 0);
    EXPECT_EQ(con().Execute(QStringLiteral("SELECT COUNT(*) FROM Personas")).value(0).toInt64(), 0);
    EXPECT_EQ(con().Execute(QStringLiteral("SELECT COUNT(*) FROM Hijos")).value(0).toInt64(), 0);
}

} // namespace
