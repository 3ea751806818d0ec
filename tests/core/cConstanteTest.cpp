#include "core/cConstante.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using PVAPI::cCAplicacion;

struct FilaEdicion {
    long codigo;
    const char* versionPara;
    qint16 ancho;
    qint16 left;
    const char* tipoAplicacion;
    bool textosPropios;
};

const FilaEdicion kEdiciones[] = {
    {cCAplicacion::APP_PARVANTA_VALDENA, "Versión para la Archidiócesis de Valdena", 1620, 3900, "NPV2000-VALDENA", true},
    {cCAplicacion::APP_PARVANTA_GENERAL, "Versión general", 1200, 4320, "NPV2000-GENERAL", false},
    {cCAplicacion::APP_PARVANTA_LOSARA, "Versión para la Diócesis de Losara", 1260, 4260, "NPV2000-LOSARA", false},
    {cCAplicacion::APP_PARVANTA_CORBELA, "Versión para el Obispado de Fontira Corbela", 1620, 3900, "NPV2000-CORBELA", false},
    {cCAplicacion::APP_PARVANTA_MIRANTE, "Versión para el Arzobispado de Mirante", 1800, 3720, "NPV2000-MIRANTE", false},
    {cCAplicacion::APP_PARVANTA_BRINDEL, "Versión para el Obispado de Brindel", 1380, 4140, "NPV2000-BRINDEL", false},
    {cCAplicacion::APP_PARVANTA_OSTRAVE, "Versión para el Arzobispado de Ostrave - Berneda", 1800, 3720, "NPV2000-OSTRAVE", false},
    {cCAplicacion::APP_PARVANTA_TUREL, "Versión para la Diócesis de Sardel", 1590, 3930, "NPV2000-SARDEL", false},
};

class EdicionTest : public ::testing::TestWithParam<FilaEdicion> {};

TEST_P(EdicionTest, FillsTheRowOfItsEdition)
{
    const FilaEdicion& fila = GetParam();
    const cConstante constante(fila.codigo);

    EXPECT_EQ(constante.Aplicacion(), cCAplicacion::Texto(fila.codigo));
    EXPECT_EQ(constante.SPLASH_CaptionLabelVersionPara(), QString::fromUtf8(fila.versionPara));
    EXPECT_EQ(constante.SPLASH_AnchoLabelVersionPara(), fila.ancho);
    EXPECT_EQ(constante.SPLASH_LeftLabelVersionPara(), fila.left);
    EXPECT_EQ(constante.SPLASH_AnchoLabelVersionPara() + constante.SPLASH_LeftLabelVersionPara(), 5520);
    EXPECT_EQ(constante.INF_TipoAplicacion(), QString::fromUtf8(fila.tipoAplicacion));
    EXPECT_FALSE(constante.SPLASH_CaptionLabelCopyright().isEmpty());
    EXPECT_FALSE(constante.ACERCA_CaptionLabelDesarrPor().isEmpty());
    EXPECT_FALSE(constante.ConsolidacionVisible());

    // Valdena has its own notice and paragraph; every other edition shares Sardel's.
    const cConstante comun(cCAplicacion::APP_PARVANTA_TUREL);
    EXPECT_EQ(constante.SPLASH_CaptionLabelCopyright() != comun.SPLASH_CaptionLabelCopyright(), fila.textosPropios);
    EXPECT_EQ(constante.ACERCA_CaptionLabelDesarrPor() != comun.ACERCA_CaptionLabelDesarrPor(), fila.textosPropios);
}

INSTANTIATE_TEST_SUITE_P(TodasLasEdiciones, EdicionTest, ::testing::ValuesIn(kEdiciones));

TEST(cConstanteTest, UnknownCodeLeavesTheEditionMembersEmpty)
{
    const cConstante constante(99);
    EXPECT_EQ(constante.Aplicacion(), QStringLiteral("99"));
    EXPECT_FALSE(constante.ConsolidacionVisible());
    EXPECT_TRUE(constante.SPLASH_CaptionLabelVersionPara().isEmpty());
    EXPECT_EQ(constante.SPLASH_AnchoLabelVersionPara(), 0);
    EXPECT_EQ(constante.SPLASH_LeftLabelVersionPara(), 0);
    EXPECT_TRUE(constante.SPLASH_CaptionLabelCopyright().isEmpty());
    EXPECT_TRUE(constante.INF_TipoAplicacion().isEmpty());
    EXPECT_TRUE(constante.ACERCA_CaptionLabelDesarrPor().isEmpty());
}

TEST(cConstanteTest, BuildEditionIsTurelRecordedAsSardel)
{
    const cConstante constante;
    EXPECT_EQ(constante.Aplicacion(), cCAplicacion::Texto(cCAplicacion::APP_PARVANTA_TUREL));
    EXPECT_EQ(constante.INF_TipoAplicacion(), QStringLiteral("NPV2000-SARDEL"));
}

TEST(cConstanteTest, EditionCodesAreDistinct)
{
    QSet<QString> codigos;
    for (const FilaEdicion& fila : kEdiciones)
        codigos.insert(cCAplicacion::Texto(fila.codigo));
    EXPECT_EQ(codigos.size(), 8);
}

TEST(cConstanteTest, TwoInstancesAgreeAndEachOwnsItsNodeNames)
{
    cConstante primera;
    cConstante segunda;
    EXPECT_EQ(primera.Aplicacion(), segunda.Aplicacion());
    EXPECT_EQ(primera.SPLASH_CaptionLabelCopyright(), segunda.SPLASH_CaptionLabelCopyright());
    EXPECT_EQ(primera.ACERCA_CaptionLabelDesarrPor(), segunda.ACERCA_CaptionLabelDesarrPor());
    EXPECT_NE(&primera.nodo(), &segunda.nodo());
    EXPECT_EQ(primera.nodo().TIPODONATIVO(), segunda.nodo().TIPODONATIVO());
}

} // namespace
