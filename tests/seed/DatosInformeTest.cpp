#include "seed/DatosSemilla.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QString>
#include <map>

namespace {

QString S(const char* texto) { return QString::fromUtf8(texto); }

struct Arbol {
    const char* nombre;
    std::span<const FilaInforme> filas;
};

class DatosInformeTest : public ::testing::TestWithParam<Arbol> {};

TEST_P(DatosInformeTest, IdsFollowWritingOrderAndParentsAreOneLevelUp)
{
    const auto filas = GetParam().filas;
    std::map<int, int> nivel;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const FilaInforme& f = filas[i];
        ASSERT_EQ(f.IDInforme, int(i) + 1);
        if (f.CodPadre == 0) {
            EXPECT_EQ(i, 0u);
            EXPECT_EQ(f.Nivel, 1);
        } else {
            ASSERT_TRUE(nivel.count(f.CodPadre)) << "report " << f.IDInforme;
            EXPECT_EQ(f.Nivel, nivel[f.CodPadre] + 1) << "report " << f.IDInforme;
        }
        nivel[f.IDInforme] = f.Nivel;
    }
}

TEST_P(DatosInformeTest, CaptionsAreUniqueCleanAndPicturesFollowTheBranch)
{
    QSet<QString> vistos;
    for (const FilaInforme& f : GetParam().filas) {
        const QString nombre = S(f.Nombre);
        EXPECT_TRUE(!vistos.contains(nombre)) << nombre.toStdString();
        vistos.insert(nombre);
        EXPECT_EQ(nombre, nombre.trimmed());
        EXPECT_FALSE(nombre.contains(QLatin1Char('"')) || nombre.contains(QLatin1Char('\'')));
        EXPECT_LE(nombre.size(), 44);
        int imagen = 23;
        if (f.Nivel == 1)
            imagen = 24;
        else if (nombre == QLatin1String("Vodidazaz"))
            imagen = 2;
        else if (nombre == QString::fromUtf8("Gestión Parroquial"))
            imagen = 21;
        else if (nombre == QLatin1String("Contabilidad"))
            imagen = 41;
        EXPECT_EQ(f.CodImagen, imagen) << nombre.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Arboles, DatosInformeTest,
                         ::testing::Values(Arbol{"General", DatosSemilla::InformesGeneral()},
                                           Arbol{"Valdena", DatosSemilla::InformesValdena()},
                                           Arbol{"Mirante", DatosSemilla::InformesMirante()}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(DatosInforme, ValdenaDiffersFromGeneralInSevenCells)
{
    const auto general = DatosSemilla::InformesGeneral();
    const auto valdena = DatosSemilla::InformesValdena();
    ASSERT_EQ(general.size(), 43u);
    ASSERT_EQ(valdena.size(), 43u);
    std::map<int, std::string> diferencias;
    for (std::size_t i = 0; i < general.size(); ++i) {
        const FilaInforme& g = general[i];
        const FilaInforme& v = valdena[i];
        EXPECT_EQ(std::tie(g.Nivel, g.CodPadre, g.CodImagen), std::tie(v.Nivel, v.CodPadre, v.CodImagen));
        if (g.Expandido != v.Expandido)
            diferencias[g.IDInforme] += "Expandido";
        if (S(g.Nombre) != S(v.Nombre))
            diferencias[g.IDInforme] += "Nombre";
    }
    const std::map<int, std::string> esperadas{{12, "Expandido"}, {13, "Expandido"}, {18, "Expandido"},
                                               {23, "Expandido"}, {26, "Nombre"},    {27, "Nombre"},
                                               {30, "Expandido"}};
    EXPECT_EQ(diferencias, esperadas);
    EXPECT_EQ(S(valdena[25].Nombre), QLatin1String("Expediente matrimonial en Valdena"));
    EXPECT_EQ(S(valdena[26].Nombre), QString::fromUtf8("Expediente matrimonial en otras diócesis"));
}

TEST(DatosInforme, MiranteHangsTheAccountingReportsFrom27)
{
    const auto mirante = DatosSemilla::InformesMirante();
    const auto valdena = DatosSemilla::InformesValdena();
    const auto general = DatosSemilla::InformesGeneral();
    ASSERT_EQ(mirante.size(), 40u);
    for (std::size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(S(mirante[i].Nombre), S(valdena[i].Nombre));
        EXPECT_EQ(mirante[i].Expandido, valdena[i].Expandido);
    }
    EXPECT_EQ(S(mirante[25].Nombre), QLatin1String("Expediente matrimonial (formato 3)"));
    EXPECT_EQ(mirante[25].CodPadre, 23);
    EXPECT_EQ(S(mirante[26].Nombre), QLatin1String("Contabilidad"));
    EXPECT_EQ(mirante[26].Expandido, 1);
    for (std::size_t i = 27; i < 40; ++i) {
        EXPECT_EQ(S(mirante[i].Nombre), S(general[i + 3].Nombre));
        EXPECT_EQ(mirante[i].CodPadre, 27);
        EXPECT_EQ(mirante[i].Expandido, 0);
    }
    for (const FilaInforme& f : mirante)
        EXPECT_FALSE(S(f.Nombre).startsWith(QLatin1String("Resumen de matrimonio")));
}

} // namespace
