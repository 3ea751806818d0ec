#include "recordlist/GruposNodo.h"

#include <gtest/gtest.h>

namespace {

struct CasoPaneles {
    const char* caption;
    bool empresa;
    PanelesNodo paneles;  // msgPrincipal, trvConta, picConta, picMensaje, ascrAgenda
};

class Paneles : public ::testing::TestWithParam<CasoPaneles> {};

TEST_P(Paneles, FollowTheCaptionGroup)
{
    const CasoPaneles& c = GetParam();
    EXPECT_EQ(PanelesTrasClic(QString::fromUtf8(c.caption), c.empresa), c.paneles) << c.caption;
}

INSTANTIATE_TEST_SUITE_P(
    Grupos, Paneles,
    ::testing::Values(
        CasoPaneles{"Norvia Parvanta 2000", false, {false, true, false, false, false}},
        CasoPaneles{"Mensajería", true, {false, true, false, false, false}},
        CasoPaneles{"<ABC - 2005>", true, {false, true, false, false, false}},
        CasoPaneles{"<>", false, {false, true, false, false, false}},
        CasoPaneles{"Agenda", false, {false, true, false, false, true}},
        CasoPaneles{"Bandeja de entrada", false, {true, false, false, true, false}},
        CasoPaneles{"Elementos enviados", true, {true, false, false, true, false}},
        CasoPaneles{"Debe", true, {false, true, true, false, false}},
        CasoPaneles{"Pasivo", false, {false, true, false, false, false}},
        CasoPaneles{"Asientos", true, {true, false, false, false, false}},
        CasoPaneles{"Asientos predefinidos", false, {false, true, false, false, false}},
        CasoPaneles{"Bancos", false, {true, false, false, false, false}},
        CasoPaneles{"Padrón", true, {true, false, false, false, false}},
        // Captions compare exactly.
        CasoPaneles{"agenda", false, {true, false, false, false, false}},
        CasoPaneles{"Gestion", false, {true, false, false, false, false}}));

TEST(GruposNodo, NoRecordCaptionsDifferFromFolders)
{
    EXPECT_TRUE(GruposNodo::EsSinRegistros(QStringLiteral("<>")));
    EXPECT_FALSE(GruposNodo::EsSinRegistros(QStringLiteral("<ABC - 2005>")));
    EXPECT_FALSE(GruposNodo::EsSinRegistros(QStringLiteral("Parvanta 2000")));
    EXPECT_FALSE(GruposNodo::EsSinRegistros(QStringLiteral("Mensajería")));
    EXPECT_TRUE(GruposNodo::EsSinRegistros(QStringLiteral("Defunción")));
    EXPECT_FALSE(GruposNodo::EsSinRegistros(QStringLiteral("Bancos")));
}

TEST(GruposNodo, StructureKinds)
{
    EXPECT_EQ(GruposNodo::TipoEstructura(QStringLiteral("Activo")), 1);
    EXPECT_EQ(GruposNodo::TipoEstructura(QStringLiteral("Pasivo")), 2);
    EXPECT_EQ(GruposNodo::TipoEstructura(QStringLiteral("Debe")), 3);
    EXPECT_EQ(GruposNodo::TipoEstructura(QStringLiteral("Haber")), 4);
    EXPECT_EQ(GruposNodo::TipoEstructura(QStringLiteral("Cuentas")), 0);
}

} // namespace
