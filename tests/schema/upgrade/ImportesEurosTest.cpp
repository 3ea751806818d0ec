// The conversion of the stored peseta amounts to euros.

#include "support/TempDatabase.h"
#include "DatosEjemplo.h"

#include "platform/pvapi/cDuzediv.h"
#include "platform/vb/VbError.h"
#include "schema/upgrade/ActualizarImportesAEuros.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

class ImportesEuros : public ::testing::Test {
protected:
    void SetUp() override
    {
        bd.con.Execute(QStringLiteral("CREATE TABLE Recibo (IDRecibo COUNTER PRIMARY KEY, Importe CURRENCY, ImporteEur FLOAT)"));
        bd.con.Execute(QStringLiteral("CREATE TABLE Remesa (IDRemesa COUNTER PRIMARY KEY, ImporteTotal FLOAT, ImporteTotalEur FLOAT)"));
        bd.con.Execute(QStringLiteral("CREATE TABLE Donativo (IDDonativo COUNTER PRIMARY KEY, Importe CURRENCY, ImporteEur FLOAT)"));
        // Older databases did not key the death data by person.
        bd.con.Execute(QStringLiteral("CREATE TABLE Padron_Defuncion (CodPadron INT, Importe CURRENCY, ImporteEur FLOAT)"));
    }

    void Insertar(const QString& tabla, const QString& columna, const db::Value& pesetas)
    {
        bd.con.Exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(tabla, columna), {pesetas});
    }

    testsupport::TempDatabase bd;
};

TEST_F(ImportesEuros, CadaImporteSegunLaReglaYSinValorSigueSinValor)
{
    const struct {
        const char* pesetas;
        const char* euros;
    } casos[] = {{"1000", "6,01"}, {"94", "0,57"}, {"292", "1,76"}, {"166,386", "1"}, {"-1000", "-6,01"},
                 {"0", "0"},       {"2080", "12,5"}, {"<null>", "<null>"}, {"100000000", "601012,1"}};
    for (const auto& c : casos)
        Insertar(QStringLiteral("Donativo"), QStringLiteral("Importe"), ValorEjemplo(c.pesetas));
    Insertar(QStringLiteral("Recibo"), QStringLiteral("Importe"), 1000);
    Insertar(QStringLiteral("Remesa"), QStringLiteral("ImporteTotal"), 94.0);

    ActualizarImportesAEuros(bd.con, nullptr);

    const QStringList euros = bd.column(QStringLiteral("SELECT ImporteEur FROM Donativo ORDER BY IDDonativo"));
    for (std::size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(euros.value(qsizetype(i)), QString::fromUtf8(casos[i].euros)) << casos[i].pesetas;
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT ImporteEur FROM Recibo")).toString(), QStringLiteral("6,01"));
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT ImporteTotalEur FROM Remesa")).toString(), QStringLiteral("0,57"));
    // The peseta amounts stay as they were.
    EXPECT_EQ(bd.scalar(QStringLiteral("SELECT Importe FROM Donativo WHERE IDDonativo = 2")).toString(), QStringLiteral("94"));
}

TEST_F(ImportesEuros, FilasQueCompartenPersonaRecibenCadaUnaSuValor)
{
    bd.con.Execute(QStringLiteral("INSERT INTO Padron_Defuncion (CodPadron, Importe) VALUES (7, 1000)"));
    bd.con.Execute(QStringLiteral("INSERT INTO Padron_Defuncion (CodPadron, Importe) VALUES (7, 2080)"));
    bd.con.Execute(QStringLiteral("INSERT INTO Padron_Defuncion (CodPadron, Importe) VALUES (8, Null)"));

    ActualizarImportesAEuros(bd.con, nullptr);

    EXPECT_EQ(bd.column(QStringLiteral("SELECT ImporteEur FROM Padron_Defuncion ORDER BY Importe DESC")),
              (QStringList{QStringLiteral("12,5"), QStringLiteral("6,01"), QStringLiteral("<null>")}));
}

TEST_F(ImportesEuros, MuestraElProgresoYDevuelveElPuntero)
{
    PVAPI::cDuzediv servicio;
    ActualizarImportesAEuros(bd.con, &servicio);
    EXPECT_EQ(servicio.Progreso(), nullptr);
    EXPECT_EQ(testsupport::scriptedUi().pointerHistory(), (QList<ui::MousePointer>{ui::vbHourglass, ui::vbDefault}));
}

TEST_F(ImportesEuros, UnaTablaQueFaltaDetieneLaConversionYCierraElProgreso)
{
    bd.con.Execute(QStringLiteral("DROP TABLE Padron_Defuncion"));
    Insertar(QStringLiteral("Donativo"), QStringLiteral("Importe"), 1000);
    PVAPI::cDuzediv servicio;

    EXPECT_THROW(ActualizarImportesAEuros(bd.con, &servicio), vb::VbError);

    EXPECT_EQ(servicio.Progreso(), nullptr);
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

} // namespace
