#include "platform/vb/Fechas.h"

#include <gtest/gtest.h>

namespace {

TEST(Fechas, MonthAndDayNames)
{
    const char* meses[] = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio",
                           "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(vb::NombreMes(m), QString::fromUtf8(meses[m - 1]));
    EXPECT_EQ(vb::NombreDiaSemana(3), QStringLiteral("miércoles"));
    EXPECT_EQ(vb::NombreDiaSemana(6), QStringLiteral("sábado"));
    for (int bad : {0, 13, -1})
        EXPECT_TRUE(vb::NombreMes(bad).isEmpty());
    EXPECT_TRUE(vb::NombreDiaSemana(8).isEmpty());
}

struct StoredCase {
    const char* stored;
    const char* shown; // empty when invalid
};

class StoredDateTable : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredDateTable, StoredToShown)
{
    EXPECT_EQ(vb::FechaTextoAFecha(QString::fromLatin1(GetParam().stored)), QString::fromLatin1(GetParam().shown))
        << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(Fechas, StoredDateTable, ::testing::Values(
    StoredCase{"20070305", "05/03/2007"},
    StoredCase{"19991231", "31/12/1999"},
    StoredCase{"20000229", "29/02/2000"},
    StoredCase{"19000229", ""},
    StoredCase{"20071301", ""},
    StoredCase{"2007035", ""},
    StoredCase{"---", ""},
    StoredCase{"", ""},
    StoredCase{"2007O305", ""}));

class ShownDateTable : public ::testing::TestWithParam<StoredCase> {};

TEST_P(ShownDateTable, ShownToStored)
{
    EXPECT_EQ(vb::FechaAFechaTexto(QString::fromLatin1(GetParam().shown)), QString::fromLatin1(GetParam().stored))
        << GetParam().shown;
}

INSTANTIATE_TEST_SUITE_P(Fechas, ShownDateTable, ::testing::Values(
    StoredCase{"20070305", "05/03/2007"},
    StoredCase{"20070305", "5/3/2007"},
    StoredCase{"20070305", " 05-03-2007 "},
    StoredCase{"", "05/03-2007"},
    StoredCase{"", "31/04/2007"},
    StoredCase{"", "05/03/07"},
    StoredCase{"", "---"},
    StoredCase{"", ""}));

TEST(Fechas, QDateConversions)
{
    EXPECT_EQ(vb::FechaTextoADate(QStringLiteral("20070305")), QDate(2007, 3, 5));
    EXPECT_EQ(vb::DateAFechaTexto(QDate(2007, 3, 5)), QStringLiteral("20070305"));
    EXPECT_EQ(vb::DateAFecha(QDate(812, 1, 9)), QStringLiteral("09/01/0812"));
    EXPECT_TRUE(vb::DateAFechaTexto(QDate()).isEmpty());
    EXPECT_TRUE(vb::DateAFecha(QDate()).isEmpty());
    EXPECT_FALSE(vb::FechaADate(QStringLiteral("30/02/2004")).isValid());
}

TEST(Fechas, LongDate)
{
    EXPECT_EQ(vb::FechaLarga(QDate(2007, 3, 5)), QStringLiteral("lunes, 5 de marzo de 2007"));
    EXPECT_EQ(vb::FechaLarga(QDate(2005, 12, 25)), QStringLiteral("domingo, 25 de diciembre de 2005"));
    EXPECT_TRUE(vb::FechaLarga(QDate()).isEmpty());
}

TEST(Fechas, Times)
{
    EXPECT_EQ(vb::HoraTextoAHora(QStringLiteral("0930")), QStringLiteral("09:30"));
    EXPECT_EQ(vb::HoraTextoAHora(QStringLiteral("2359")), QStringLiteral("23:59"));
    EXPECT_EQ(vb::HoraAHoraTexto(QStringLiteral("9:30")), QStringLiteral("0930"));
    EXPECT_EQ(vb::HoraAHoraTexto(QStringLiteral("00:00")), QStringLiteral("0000"));
    for (const char* bad : {"2400", "0960", "930", "---", ""})
        EXPECT_TRUE(vb::HoraTextoAHora(QString::fromLatin1(bad)).isEmpty()) << bad;
    for (const char* bad : {"24:00", "9:60", "930", ""})
        EXPECT_TRUE(vb::HoraAHoraTexto(QString::fromLatin1(bad)).isEmpty()) << bad;
}

} // namespace
