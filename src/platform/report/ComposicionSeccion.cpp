#include "platform/report/ComposicionSeccion.h"

#include "platform/report/ComposicionTexto.h"
#include "platform/report/MetricasTexto.h"

#include <algorithm>

namespace report {

namespace {

constexpr double kHolgura = 1e-6;

struct Crecimiento {
    double arriba = 0;
    double abajo = 0;
    double crece = 0;
    double acumulado = 0; // its own growth plus what pushed it down
};

// How far a point at `y` moves down: the most any growing text above it
// (ending at or above `y`) pushed, itself excluded.
class Desplazamientos {
public:
    void anadir(std::size_t indice, double arriba, double abajo, double crece)
    {
        m_todos.push_back({indice, {arriba, abajo, crece, 0}});
    }

    void calcular()
    {
        std::stable_sort(m_todos.begin(), m_todos.end(), [](const auto& a, const auto& b) {
            return a.second.abajo < b.second.abajo;
        });
        for (std::size_t i = 0; i < m_todos.size(); ++i)
            m_todos[i].second.acumulado = hasta(m_todos[i].second.arriba, i) + m_todos[i].second.crece;
    }

    // `limite`: only the first `limite` texts (in the order above) count.
    double hasta(double y, std::size_t limite = SIZE_MAX) const
    {
        double d = 0;
        for (std::size_t i = 0; i < std::min(limite, m_todos.size()); ++i) {
            if (m_todos[i].second.abajo <= y + kHolgura)
                d = std::max(d, m_todos[i].second.acumulado);
        }
        return d;
    }

    double deTexto(std::size_t indice, double arriba) const
    {
        for (std::size_t i = 0; i < m_todos.size(); ++i) {
            if (m_todos[i].first == indice)
                return hasta(arriba, i);
        }
        return hasta(arriba);
    }

private:
    std::vector<std::pair<std::size_t, Crecimiento>> m_todos;
};

bool TodoConstante(const SeccionEnlazada& s)
{
    return std::all_of(s.textos.begin(), s.textos.end(), [](const TextoEnlazado& t) { return t.constante; });
}

} // namespace

BandaEnlazada EnlazarBanda(const Banda& banda, Evaluador& evaluador, bool crece, MetricasTexto& m)
{
    BandaEnlazada enlazada;
    for (const Seccion& s : banda) {
        SeccionEnlazada e;
        e.seccion = &s;
        e.si = evaluador.Enlazar(s.si);
        e.relacion = evaluador.Relacion(s.relacion);
        e.crece = crece;
        for (const ElementoTexto& t : s.textos)
            e.textos.push_back(evaluador.Enlazar(t.trozos));
        if (TodoConstante(e))
            e.fija = ComponerSeccion(e, evaluador, Contexto{}, m);
        enlazada.push_back(std::move(e));
    }
    return enlazada;
}

double AltoFijo(const Seccion& s, MetricasTexto& m)
{
    double alto = s.alto;
    for (const ElementoTexto& t : s.textos)
        alto = std::max(alto, t.caja.top() + std::max(t.caja.height(), m.altoLinea(t.estilo)));
    return alto;
}

Bloque ComponerSeccion(const SeccionEnlazada& s, Evaluador& evaluador, const Contexto& c, MetricasTexto& m)
{
    if (s.fija)
        return *s.fija;
    const Seccion& sec = *s.seccion;
    std::vector<TextoCompuesto> compuestos;
    compuestos.reserve(sec.textos.size());
    Desplazamientos desp;
    for (std::size_t i = 0; i < sec.textos.size(); ++i) {
        const ElementoTexto& e = sec.textos[i];
        const bool crece = s.crece && e.crece;
        // A text without a height has the room of one line; it grows only
        // from the second.
        const double alto = std::max(e.caja.height(), m.altoLinea(e.estilo));
        compuestos.push_back(ComponerTexto(evaluador.Evaluar(s.textos[i], c), e.estilo, e.alineacion,
                                           e.caja.width(), alto, crece, m));
        if (crece && compuestos.back().alto > alto + kHolgura)
            desp.anadir(i, e.caja.top(), e.caja.top() + alto, compuestos.back().alto - alto);
    }
    desp.calcular();

    Bloque b;
    Pagina& p = b.contenido;
    double fondo = sec.alto + desp.hasta(sec.alto);
    for (std::size_t i = 0; i < sec.textos.size(); ++i) {
        const ElementoTexto& e = sec.textos[i];
        const QPointF esquina(e.caja.left(), e.caja.top() + desp.deTexto(i, e.caja.top()));
        for (TextoPagina linea : compuestos[i].lineas) {
            linea.origen += esquina;
            p.textos.push_back(std::move(linea));
        }
        const double alto = s.crece && e.crece ? compuestos[i].alto : std::max(e.caja.height(), m.altoLinea(e.estilo));
        fondo = std::max(fondo, esquina.y() + alto);
    }
    auto mover = [&](double y) { return y + desp.hasta(y); };
    for (const ElementoLinea& l : sec.lineas)
        p.lineas.push_back({QLineF(l.linea.x1(), mover(l.linea.y1()), l.linea.x2(), mover(l.linea.y2())), l.grosor});
    for (const ElementoCaja& k : sec.cajas) {
        const double arriba = mover(k.caja.top());
        p.cajas.push_back({QRectF(k.caja.left(), arriba, k.caja.width(), mover(k.caja.bottom()) - arriba), k.grosor});
    }
    for (const ElementoImagen& i : sec.imagenes)
        p.imagenes.push_back({QRectF(i.caja.left(), mover(i.caja.top()), i.caja.width(), i.caja.height()), i.imagen});
    b.alto = fondo;
    return b;
}

} // namespace report
