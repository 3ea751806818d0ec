#include "dialogs/DisposicionEliminaInstitucion.h"

#include <algorithm>

namespace {

// Blocks stand this far below the end of the block above them.
constexpr int kSeparacion = 135;
// The buttons' bottom margin in the client area.
constexpr int kMargenInferior = 270;

} // namespace

DisposicionEliminaInstitucion DisposicionEliminaInstitucion::Calcular(bool resumenVacio, const Alturas& alturas)
{
    DisposicionEliminaInstitucion d;
    int crecido = 0;
    const auto crecer = [&crecido](int& top, int& alto, int necesita) {
        top += crecido;
        const int diseno = alto;
        alto = std::max(diseno, necesita);
        crecido += alto - diseno;
    };
    crecer(d.TopAviso, d.AltoAviso, alturas.Aviso);
    crecer(d.TopDetalle, d.AltoDetalle, alturas.Detalle);
    d.TopEncabezado += crecido;
    if (resumenVacio) {
        d.TopResumen += crecido;
        d.TopExplicacion = d.TopResumen - 15 + kSeparacion;
        d.AltoExplicacion = std::max(d.AltoExplicacion, alturas.Explicacion);
        d.TopDonantes = d.TopExplicacion + d.AltoExplicacion + kSeparacion;
        d.TopColaboradores = d.TopDonantes + kAltoCasilla + kSeparacion;
        d.TopBotones = d.TopColaboradores + kAltoCasilla + kSeparacion;
    } else {
        crecer(d.TopResumen, d.AltoResumen, alturas.Resumen);
        crecer(d.TopExplicacion, d.AltoExplicacion, alturas.Explicacion);
        d.TopDonantes += crecido;
        d.TopColaboradores += crecido;
        d.TopBotones += crecido;
    }
    d.AltoCliente = d.TopBotones + kAltoBoton + kMargenInferior;
    return d;
}
