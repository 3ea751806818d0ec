#include "mainwindow/EstadoVentana.h"
#include "core/AjustesUsuario.h"
#include "navigation/ClavesNodo.h"

#include "platform/pvapi/cCRegistry.h"

#include <gtest/gtest.h>

namespace {

using PVAPI::cCRegistry;

AjustesUsuario Ajustes()
{
    return AjustesUsuario {QStringLiteral("Norvia Parvanta 2000"), QStringLiteral("Administrador"), 3082};
}

struct CasoFilas {
    const char* texto;
    int filas;
};

class Filas : public ::testing::TestWithParam<CasoFilas> {};

TEST_P(Filas, RoundHalvesToEvenAndFallBackTo24)
{
    EXPECT_EQ(FilasPorPagina(QString::fromUtf8(GetParam().texto)), GetParam().filas) << GetParam().texto;
}

INSTANTIATE_TEST_SUITE_P(Casos, Filas,
                         ::testing::Values(CasoFilas {"24", 24}, CasoFilas {"24.5", 24}, CasoFilas {"25.5", 26},
                                           CasoFilas {"30 filas", 30}, CasoFilas {"", 24}, CasoFilas {"abc", 24},
                                           CasoFilas {"0", 24}, CasoFilas {"-3", 24}, CasoFilas {"40000", 24}));

TEST(Colocacion, MissingKeysGiveTheOldDefaults)
{
    const ColocacionVentana c = LeerColocacion(Ajustes());
    EXPECT_EQ(c.nRegMax, 24);
    EXPECT_EQ(c.splitter, 1965);
    EXPECT_EQ(c.ancho, 12120);
    EXPECT_EQ(c.alto, 8700);
    EXPECT_EQ(c.arriba, -60);
    EXPECT_EQ(c.izquierda, -60);
}

TEST(Colocacion, StoredTextsAreReadAsTheirLeadingNumber)
{
    const AjustesUsuario a = Ajustes();
    const QString s = a.Seccion(cCRegistry::INTERFACE());
    a.Guardar(s, cCRegistry::INTERFACE_WIDTH(), QStringLiteral("9000.5"));
    a.Guardar(s, cCRegistry::INTERFACE_HEIGHT(), QStringLiteral(""));
    a.Guardar(s, cCRegistry::INTERFACE_LEFT(), QStringLiteral("izquierda"));
    a.Guardar(s, cCRegistry::INTERFACE_SPLITTER_LEFT(), QStringLiteral("2500px"));
    const ColocacionVentana c = LeerColocacion(a);
    EXPECT_EQ(c.ancho, 9000.5);
    EXPECT_EQ(c.alto, 0);
    EXPECT_EQ(c.izquierda, 0);
    EXPECT_EQ(c.splitter, 2500);
}

TEST(GuardarEstado, WritesPlacementPagesAndCurrencyFlags)
{
    const AjustesUsuario a = Ajustes();
    EstadoGuardado e;
    e.izquierda = -60;
    e.arriba = 120;
    e.ancho = 12120;
    e.alto = 8700;
    e.splitter = 3000;
    e.nRegMax = 30;
    e.hayNodoEmpresa = true;
    e.empresaSeleccionada = 0;
    e.vodidazazEnPesetas = true;
    GuardarEstado(a, e);
    const QString s = a.Seccion(cCRegistry::INTERFACE());
    EXPECT_EQ(a.Leer(s, cCRegistry::INTERFACE_LEFT()), "-60");
    EXPECT_EQ(a.Leer(s, cCRegistry::INTERFACE_TOP()), "120");
    EXPECT_EQ(a.Leer(s, cCRegistry::INTERFACE_WIDTH()), "12120");
    EXPECT_EQ(a.Leer(s, cCRegistry::INTERFACE_HEIGHT()), "8700");
    EXPECT_EQ(a.Leer(s, cCRegistry::INTERFACE_SPLITTER_LEFT()), "3000");
    EXPECT_EQ(a.Leer(s, cCRegistry::INTERFACE_NREGMAX()), "30");
    const QString conta = a.Seccion(cCRegistry::CONTABILIDAD());
    EXPECT_EQ(a.Leer(conta, cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA()), "0");
    EXPECT_EQ(a.Leer(conta, cCRegistry::CONTABILIDAD_TRABAJARENPESETAS()), "0");
    EXPECT_EQ(a.Leer(a.Seccion(cCRegistry::VODIDAZAZ()), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS()), "1");
}

TEST(GuardarEstado, LeavesTheCompanyAloneWithoutACompanyNode)
{
    const AjustesUsuario a = Ajustes();
    const QString conta = a.Seccion(cCRegistry::CONTABILIDAD());
    a.Guardar(conta, cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA(), QStringLiteral("7"));
    EstadoGuardado e;
    e.empresaSeleccionada = 3;
    GuardarEstado(a, e);
    EXPECT_EQ(a.Leer(conta, cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA()), "7");
}

TEST(GuardarAnchos, WritesEveryColumnOfEveryNode)
{
    ColeccionNodos nodos;
    for (int n = 1; n <= 2; ++n) {
        auto nodo = std::make_shared<cNodo>();
        for (int c = 1; c <= 2; ++c) {
            auto campo = std::make_shared<cCampo>();
            campo->SetIDCampo(qint16(n * 10 + c));
            campo->SetAncho(qint16(100 * c + n));
            nodo->colCampo().Add(campo, ClaveColeccion(campo->IDCampo()));
        }
        nodos.Add(nodo, ClaveColeccion(n));
    }
    GuardarAnchos(Ajustes(), nodos);
    EXPECT_EQ(Ajustes().Leer(Ajustes().SeccionGrids(), QStringLiteral("11")), "101");
    EXPECT_EQ(Ajustes().Leer(Ajustes().SeccionGrids(), QStringLiteral("22")), "202");
}

TEST(EsNodoEmpresa, RecognisesTheCompanyCaption)
{
    EXPECT_TRUE(EsNodoEmpresa(QStringLiteral("<>")));
    EXPECT_TRUE(EsNodoEmpresa(QStringLiteral("<PQ - 2005>")));
    EXPECT_FALSE(EsNodoEmpresa(QStringLiteral("")));
    EXPECT_FALSE(EsNodoEmpresa(QStringLiteral("<")));
    EXPECT_FALSE(EsNodoEmpresa(QStringLiteral("Empresas")));
}

} // namespace
