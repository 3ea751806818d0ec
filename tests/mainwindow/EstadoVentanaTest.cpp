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

// Screens of 1920 x 1080 pixels at 96 DPI, in twips: the primary one and a
// second one to its right.
const QRectF kPrimaria(0, 0, 28800, 16200);
const QRectF kSegunda(28800, 0, 28800, 16200);

struct CasoPantallas {
    const char* caso;
    QList<QRectF> areas;
    double izquierda, arriba, ancho, alto;
    double izquierdaFinal, arribaFinal, anchoFinal, altoFinal;
};

class Pantallas : public ::testing::TestWithParam<CasoPantallas> {};

TEST_P(Pantallas, KeepAReachableWindowAndBringBackAnyOther)
{
    const CasoPantallas& c = GetParam();
    ColocacionVentana colocacion;
    colocacion.izquierda = c.izquierda;
    colocacion.arriba = c.arriba;
    colocacion.ancho = c.ancho;
    colocacion.alto = c.alto;
    const ColocacionVentana r = AjustarAPantallas(colocacion, c.areas);
    EXPECT_EQ(r.izquierda, c.izquierdaFinal) << c.caso;
    EXPECT_EQ(r.arriba, c.arribaFinal) << c.caso;
    EXPECT_EQ(r.ancho, c.anchoFinal) << c.caso;
    EXPECT_EQ(r.alto, c.altoFinal) << c.caso;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Pantallas,
    ::testing::Values(
        CasoPantallas {"the default", {kPrimaria}, -60, -60, 12120, 8700, -60, -60, 12120, 8700},
        CasoPantallas {"far to the left", {kPrimaria}, -99999999999, 1000, 12120, 8700, 0, 1000, 12120, 8700},
        CasoPantallas {"far below", {kPrimaria}, 1000, 99999999999, 12120, 8700, 1000, 7500, 12120, 8700},
        CasoPantallas {"on a monitor since unplugged", {kPrimaria}, 30000, 1000, 12000, 9000, 16800, 1000, 12000, 9000},
        CasoPantallas {"on the second monitor", {kPrimaria, kSegunda}, 30000, 1000, 12000, 9000, 30000, 1000, 12000,
                       9000},
        CasoPantallas {"half off the right edge", {kPrimaria}, 20000, 1000, 12000, 9000, 20000, 1000, 12000, 9000},
        CasoPantallas {"larger than the screen", {kPrimaria}, 0, 0, 99999999, 99999999, 0, 0, 28800, 16200},
        CasoPantallas {"title bar above the screen", {kPrimaria}, 1000, -2000, 12000, 9000, 1000, 0, 12000, 9000},
        CasoPantallas {"no screens", {}, -99999999999, 0, 1, 1, -99999999999, 0, 1, 1}));

TEST(Colocacion, APositionOffEveryScreenIsReadBackOnTheScreen)
{
    const AjustesUsuario a = Ajustes();
    const QString s = a.Seccion(cCRegistry::INTERFACE());
    a.Guardar(s, cCRegistry::INTERFACE_LEFT(), QStringLiteral("-99999999999"));
    a.Guardar(s, cCRegistry::INTERFACE_TOP(), QStringLiteral("1e400"));
    const ColocacionVentana c = LeerColocacion(a, {kPrimaria});
    EXPECT_EQ(c.izquierda, 0);
    EXPECT_EQ(c.arriba, 0);
    EXPECT_EQ(c.ancho, 12120);
}

TEST(GuardarEstado, NeverSavesAPositionOffEveryScreen)
{
    const AjustesUsuario a = Ajustes();
    EstadoGuardado e;
    e.izquierda = -2000000000;
    e.arriba = 500;
    e.ancho = 12000;
    e.alto = 9000;
    GuardarEstado(a, e, {kPrimaria});
    const QString s = a.Seccion(cCRegistry::INTERFACE());
    EXPECT_EQ(a.Leer(s, cCRegistry::INTERFACE_LEFT()), "0");
    EXPECT_EQ(a.Leer(s, cCRegistry::INTERFACE_TOP()), "500");
    EXPECT_EQ(a.Leer(s, cCRegistry::INTERFACE_WIDTH()), "12000");
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
