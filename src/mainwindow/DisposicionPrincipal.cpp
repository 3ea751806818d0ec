#include "mainwindow/DisposicionPrincipal.h"

#include "platform/vb/Vb.h"

namespace {

// Rounded to the nearest twip (halves to even), never below 0.
int Longitud(double valor)
{
    const double redondeado = vb::RoundHalfEven(valor);
    return redondeado < 0 ? 0 : int(redondeado);
}

double Sujetar(double x, int anchoVentana)
{
    if (x < DisposicionPrincipal::kMinimoSeparador)
        x = DisposicionPrincipal::kSeparadorPorDefecto;
    if (x > anchoVentana - DisposicionPrincipal::kMargenDerecho)
        x = anchoVentana - DisposicionPrincipal::kMargenDerecho;
    return x;
}

} // namespace

Disposicion DisposicionPrincipal::AjustarControles(const EntradaDisposicion& e)
{
    Disposicion d;
    d.x = Sujetar(e.x, e.anchoVentana);
    const int x = int(vb::RoundHalfEven(d.x));

    d.arbol.left = e.izquierdaArbol;
    d.arbol.width = x;
    d.separador.left = x;
    d.separador.width = e.anchoSeparador;

    d.lista.left = x + e.anchoSeparador;
    d.lista.width = Longitud(double(e.anchoInterior) - d.x - e.anchoSeparador);

    const int topBarraEstado = e.altoInterior - e.altoBarraEstado;
    d.mensaje.left = d.lista.left;
    d.mensaje.width = d.lista.width;
    d.mensaje.top = Longitud(double(topBarraEstado) - e.altoMensaje);
    d.mensaje.height = e.altoMensaje;

    d.titulo.width = e.anchoInterior;
    d.titulo.left = 30;
    d.titulo.top = e.barraHerramientasVisible ? e.altoBarraHerramientas + 30 : 30;
    d.titulo.height = e.altoTitulo;

    d.arbol.top = d.titulo.top + e.altoTitulo + 45;
    d.lista.top = d.arbol.top;

    const int altoEstado = e.barraEstadoVisible ? e.altoBarraEstado : 0;
    d.arbol.height = Longitud(double(e.altoInterior) - (altoEstado + d.titulo.top + e.altoTitulo) - 45);
    d.lista.height = e.mensajeVisible ? Longitud(double(d.mensaje.top) - d.lista.top - 60) : d.arbol.height;

    d.izquierdaImagenCorreo = Longitud(double(d.mensaje.width) - e.anchoImagenCorreo - 90);

    d.separador.top = d.arbol.top;
    d.separador.height = d.arbol.height;

    d.agenda = {d.lista.left, d.lista.top, Longitud(d.lista.width - 15.0), Longitud(d.lista.height - 15.0)};

    d.conta = d.lista;
    d.arbolConta.top = e.topArbolConta;
    d.arbolConta.width = d.conta.width;
    d.arbolConta.height = Longitud(double(d.conta.height) - e.topArbolConta - 30);
    return d;
}

int DisposicionPrincipal::PosicionArrastre(int izquierdaSeparador, int xRaton, int anchoVentana)
{
    const int posicion = izquierdaSeparador + xRaton;
    if (posicion < kLimiteArrastre)
        return kLimiteArrastre;
    if (posicion > anchoVentana - kLimiteArrastre)
        return anchoVentana - kLimiteArrastre;
    return posicion;
}
