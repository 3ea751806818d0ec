#include "mainwindow/DisposicionPrincipal.h"

#include <gtest/gtest.h>

namespace {

EntradaDisposicion Ventana(double x, int ancho = 12000, int alto = 8000)
{
    EntradaDisposicion e;
    e.x = x;
    e.anchoVentana = ancho;
    e.anchoInterior = ancho - 120;
    e.altoInterior = alto;
    e.altoBarraHerramientas = 420;
    e.altoBarraEstado = 300;
    e.altoTitulo = 540;
    e.anchoSeparador = 60;
    e.altoMensaje = 1100;
    e.anchoImagenCorreo = 480;
    return e;
}

struct CasoSeparador {
    double pedido;
    int anchoVentana;
    double esperado;
};

class Separador : public ::testing::TestWithParam<CasoSeparador> {};

TEST_P(Separador, IsClampedAndGivesTheTreeWidth)
{
    const CasoSeparador c = GetParam();
    const Disposicion d = DisposicionPrincipal::AjustarControles(Ventana(c.pedido, c.anchoVentana));
    EXPECT_EQ(d.x, c.esperado);
    EXPECT_EQ(d.arbol.width, int(c.esperado));
    EXPECT_EQ(d.separador.left, int(c.esperado));
    EXPECT_EQ(d.lista.left, int(c.esperado) + 60);
}

INSTANTIATE_TEST_SUITE_P(Casos, Separador,
                         ::testing::Values(CasoSeparador {1965, 12000, 1965}, CasoSeparador {1500, 12000, 1500},
                                           // below 1500 it jumps to 3000, not to 1500
                                           CasoSeparador {1000, 12000, 3000}, CasoSeparador {0, 12000, 3000},
                                           CasoSeparador {5000, 6000, 4500}, CasoSeparador {10600, 12000, 10500},
                                           // a window too narrow for 3000 still keeps 1500 to its right
                                           CasoSeparador {1000, 4000, 2500}));

TEST(AjustarControles, PlacesEveryPaneFromTheSplitter)
{
    const Disposicion d = DisposicionPrincipal::AjustarControles(Ventana(2000));
    EXPECT_EQ(d.titulo, (RectTwips {30, 450, 11880, 540}));
    EXPECT_EQ(d.arbol, (RectTwips {0, 1035, 2000, 8000 - (300 + 450 + 540) - 45}));
    EXPECT_EQ(d.separador, (RectTwips {2000, 1035, 60, d.arbol.height}));
    EXPECT_EQ(d.lista, (RectTwips {2060, 1035, 11880 - 2000 - 60, d.arbol.height}));
    EXPECT_EQ(d.mensaje, (RectTwips {2060, 8000 - 300 - 1100, d.lista.width, 1100}));
    EXPECT_EQ(d.izquierdaImagenCorreo, d.lista.width - 480 - 90);
    EXPECT_EQ(d.agenda, (RectTwips {2060, 1035, d.lista.width - 15, d.lista.height - 15}));
    EXPECT_EQ(d.conta, d.lista);
    EXPECT_EQ(d.arbolConta, (RectTwips {0, 0, d.lista.width, d.lista.height - 30}));
}

TEST(AjustarControles, TheMessagePanelShortensTheListTo60TwipsAboveIt)
{
    EntradaDisposicion e = Ventana(2000);
    e.mensajeVisible = true;
    const Disposicion d = DisposicionPrincipal::AjustarControles(e);
    EXPECT_EQ(d.lista.height, d.mensaje.top - d.lista.top - 60);
    EXPECT_EQ(d.agenda.height, d.lista.height - 15);
}

TEST(AjustarControles, HiddenBarsGiveTheirRoom)
{
    const Disposicion con = DisposicionPrincipal::AjustarControles(Ventana(2000));
    EntradaDisposicion e = Ventana(2000);
    e.barraEstadoVisible = false;
    const Disposicion sinEstado = DisposicionPrincipal::AjustarControles(e);
    EXPECT_EQ(sinEstado.arbol.height, con.arbol.height + 300);
    EXPECT_EQ(sinEstado.mensaje.top, con.mensaje.top) << "the panel keeps the status bar's top";

    e = Ventana(2000);
    e.barraHerramientasVisible = false;
    const Disposicion sinHerramientas = DisposicionPrincipal::AjustarControles(e);
    EXPECT_EQ(sinHerramientas.titulo.top, 30);
    EXPECT_EQ(sinHerramientas.arbol.top, con.arbol.top - 420);
    EXPECT_EQ(sinHerramientas.arbol.height, con.arbol.height + 420);
}

TEST(AjustarControles, NoWidthOrHeightGoesNegative)
{
    EntradaDisposicion e = Ventana(2000, 2500, 900);
    e.anchoInterior = 800;
    e.mensajeVisible = true;
    const Disposicion d = DisposicionPrincipal::AjustarControles(e);
    for (const RectTwips& r : {d.arbol, d.lista, d.agenda, d.conta, d.arbolConta, d.mensaje}) {
        EXPECT_GE(r.width, 0);
        EXPECT_GE(r.height, 0);
    }
    EXPECT_EQ(d.lista.width, 0);
    EXPECT_EQ(d.agenda.width, 0);
    EXPECT_EQ(d.izquierdaImagenCorreo, 0);
}

TEST(AjustarControles, HalfTwipsRoundToEven)
{
    EntradaDisposicion e = Ventana(1500.5);
    e.anchoInterior = 11000;
    EXPECT_EQ(DisposicionPrincipal::AjustarControles(e).lista.width, 9440) << "11000 - 1500.5 - 60 = 9439.5";
    e.x = 1501.5;
    EXPECT_EQ(DisposicionPrincipal::AjustarControles(e).lista.width, 9438);
}

struct CasoArrastre {
    int izquierda;
    int raton;
    int esperado;
};

class Arrastre : public ::testing::TestWithParam<CasoArrastre> {};

TEST_P(Arrastre, KeepsTheBar500TwipsFromEitherEdge)
{
    EXPECT_EQ(DisposicionPrincipal::PosicionArrastre(GetParam().izquierda, GetParam().raton, 12000),
              GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, Arrastre,
                         ::testing::Values(CasoArrastre {2000, 30, 2030}, CasoArrastre {2000, -1800, 500},
                                           CasoArrastre {2000, 11000, 11500}, CasoArrastre {2000, -1500, 500}));

TEST(TamanoMinimo, BringsANormalWindowUpTo6000By5000)
{
    EXPECT_EQ(DisposicionPrincipal::AnchoMinimo(0), 6000);
    EXPECT_EQ(DisposicionPrincipal::AnchoMinimo(5999), 6000);
    EXPECT_EQ(DisposicionPrincipal::AnchoMinimo(7000), 7000);
    EXPECT_EQ(DisposicionPrincipal::AltoMinimo(4000), 5000);
    EXPECT_EQ(DisposicionPrincipal::AltoMinimo(5000), 5000);
}

} // namespace
