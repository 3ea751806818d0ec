#include "seed/DatosSemilla.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QString>

namespace {

QString S(const char* texto) { return QString::fromUtf8(texto); }

TEST(DatosBusqueda, FourCommunitiesWithTheirFormCodes)
{
    const auto comunidades = DatosSemilla::ComunidadesAutonomas();
    ASSERT_EQ(comunidades.size(), 4u);
    const char* codigos[] = {"08", "12", "13", "17"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_STREQ(comunidades[i].Codigo, codigos[i]);
    EXPECT_EQ(S(comunidades[0].Nombre), QString::fromUtf8("Castilla y León"));
    EXPECT_EQ(S(comunidades[1].Nombre), QLatin1String("Comunidad de Madrid"));
    EXPECT_EQ(S(comunidades[2].Nombre), QString::fromUtf8("Región de Murcia"));
}

TEST(DatosBusqueda, DeductionsNameTheFirstFourCommunities)
{
    const auto deducciones = DatosSemilla::Deducciones();
    ASSERT_EQ(deducciones.size(), 6u);
    for (const FilaDeduccion& d : deducciones) {
        EXPECT_GE(d.codComunidad, 1);
        EXPECT_LE(d.codComunidad, 4);
    }
    EXPECT_EQ(deducciones[5].codComunidad, 4);
    EXPECT_EQ(deducciones[5].Deduccion, 20);
}

TEST(DatosBusqueda, CommunitiesAfter220CoverEveryCodeOnce)
{
    QSet<QString> codigos;
    for (const auto& tabla : {DatosSemilla::ComunidadesAutonomas(), DatosSemilla::ComunidadesAutonomasV220()})
        for (const FilaComunidadAutonoma& c : tabla)
            codigos.insert(S(c.Codigo));
    ASSERT_EQ(codigos.size(), 17);
    for (int n = 1; n <= 17; ++n)
        EXPECT_TRUE(codigos.contains(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))));
}

TEST(DatosBusqueda, StreetTypesAreAbbreviationDashNameInCapitals)
{
    const auto tipos = DatosSemilla::TiposVia();
    ASSERT_EQ(tipos.size(), 31u);
    for (const char* t : tipos) {
        const QString texto = S(t);
        EXPECT_EQ(texto.mid(2, 3), QLatin1String(" - ")) << t;
        EXPECT_EQ(texto, texto.toUpper()) << t;
        EXPECT_LE(texto.size(), 17);
    }
    EXPECT_STREQ(tipos[0], "AD - ALDEA");
    EXPECT_STREQ(tipos[12], "CH - CHALET");
    EXPECT_STREQ(tipos[30], "UR - URBANIZACION");
}

} // namespace
