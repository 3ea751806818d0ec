#include "platform/report/Bloque.h"

#include "platform/report/MetricasTexto.h"

#include <algorithm>

namespace report {

namespace {

constexpr double kHolgura = 1e-6;

double Arriba(const TextoPagina& t)
{
    return t.origen.y() - MetricasTexto::Compartidas().ascenso(t.estilo);
}

// The cut: `alto`, or higher when it would cross a text line or a picture.
double PuntoDeCorte(const Pagina& p, double alto)
{
    double corte = alto;
    for (const TextoPagina& t : p.textos) {
        const double arriba = Arriba(t);
        if (arriba < corte - kHolgura && arriba + t.alto > corte + kHolgura)
            corte = arriba;
    }
    for (const ImagenPagina& i : p.imagenes) {
        if (i.caja.top() < corte - kHolgura && i.caja.bottom() > corte + kHolgura)
            corte = i.caja.top();
    }
    return corte;
}

// Which part an item that is not cut belongs to: texts and pictures go by
// their top, a rule lying on the cut stays with the first part.
bool EnPrimeraParte(double arriba, double corte)
{
    return arriba < corte - kHolgura;
}

bool ReglaEnPrimeraParte(double y, double corte)
{
    return y <= corte + kHolgura;
}

// The part of a slanted or upright segment between y0 and y1, moved up by y0.
std::optional<QLineF> Tramo(const QLineF& l, double y0, double y1)
{
    const double a = std::min(l.y1(), l.y2());
    const double b = std::max(l.y1(), l.y2());
    if (b <= y0 + kHolgura || a >= y1 - kHolgura)
        return std::nullopt;
    auto xEn = [&](double y) { return l.x1() + (l.x2() - l.x1()) * (y - l.y1()) / (l.y2() - l.y1()); };
    const double ya = std::max(a, y0);
    const double yb = std::min(b, y1);
    return QLineF(xEn(ya), ya - y0, xEn(yb), yb - y0);
}

// The first part (above `corte`) or the rest of `p`, the rest moved up.
void Copiar(const Pagina& p, double corte, bool primera, Pagina& destino)
{
    const double y0 = primera ? 0 : corte;
    const double y1 = primera ? corte : 1e12;
    for (const TextoPagina& t : p.textos) {
        if (EnPrimeraParte(Arriba(t), corte) == primera) {
            TextoPagina c = t;
            c.origen.ry() -= y0;
            destino.textos.push_back(c);
        }
    }
    for (const ImagenPagina& i : p.imagenes) {
        if (EnPrimeraParte(i.caja.top(), corte) == primera)
            destino.imagenes.push_back({i.caja.translated(0, -y0), i.imagen});
    }
    for (const CajaPagina& c : p.cajas) {
        if (qFuzzyIsNull(c.caja.height())) {
            if (ReglaEnPrimeraParte(c.caja.top(), corte) == primera)
                destino.cajas.push_back({c.caja.translated(0, -y0), c.grosor});
            continue;
        }
        const double a = std::max(c.caja.top(), y0);
        const double b = std::min(c.caja.bottom(), y1);
        if (b > a + kHolgura)
            destino.cajas.push_back({QRectF(c.caja.left(), a - y0, c.caja.width(), b - a), c.grosor});
    }
    for (const LineaPagina& l : p.lineas) {
        if (qFuzzyIsNull(l.linea.dy())) {
            if (ReglaEnPrimeraParte(l.linea.y1(), corte) == primera)
                destino.lineas.push_back({l.linea.translated(0, -y0), l.grosor});
        } else if (const auto tramo = Tramo(l.linea, y0, y1)) {
            destino.lineas.push_back({*tramo, l.grosor});
        }
    }
}

} // namespace

void Bloque::ColocarEn(Pagina& pagina, double x, double y) const
{
    for (const TextoPagina& t : contenido.textos) {
        TextoPagina c = t;
        c.origen += QPointF(x, y);
        pagina.textos.push_back(std::move(c));
    }
    for (const LineaPagina& l : contenido.lineas)
        pagina.lineas.push_back({l.linea.translated(x, y), l.grosor});
    for (const CajaPagina& c : contenido.cajas)
        pagina.cajas.push_back({c.caja.translated(x, y), c.grosor});
    for (const ImagenPagina& i : contenido.imagenes)
        pagina.imagenes.push_back({i.caja.translated(x, y), i.imagen});
}

std::optional<Bloque> Bloque::Partir(double limite, Bloque& resto) const
{
    const double corte = PuntoDeCorte(contenido, limite);
    if (corte <= kHolgura) {
        resto = *this;
        return std::nullopt;
    }
    Bloque primero;
    primero.alto = corte;
    Copiar(contenido, corte, true, primero.contenido);
    Bloque segundo;
    segundo.alto = alto - corte;
    Copiar(contenido, corte, false, segundo.contenido);
    resto = std::move(segundo);
    return primero;
}

} // namespace report
