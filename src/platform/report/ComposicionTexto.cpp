#include "platform/report/ComposicionTexto.h"

#include "platform/report/MetricasTexto.h"

#include <cmath>

namespace report {

namespace {

constexpr double kHolgura = 1e-6;

struct Linea {
    QString texto;
    double ancho = 0;
    int espacios = 0;
    bool finParrafo = false;
};

class Compositor {
public:
    Compositor(const EstiloTexto& estilo, double ancho, MetricasTexto& m)
        : m_estilo(estilo), m_ancho(ancho), m_m(m), m_espacio(m.ancho(estilo, QStringLiteral(" ")))
    {
    }

    std::vector<Linea> componer(const QString& texto)
    {
        for (const QString& parrafo : texto.split(u'\n')) {
            for (const QString& palabra : parrafo.split(u' ', Qt::SkipEmptyParts))
                anadirPalabra(palabra);
            cerrarLinea(true);
        }
        return std::move(m_lineas);
    }

private:
    void anadirPalabra(const QString& palabra)
    {
        const double ancho = m_m.ancho(m_estilo, palabra);
        if (!m_actual.texto.isEmpty() && m_actual.ancho + m_espacio + ancho <= m_ancho + kHolgura) {
            m_actual.texto += u' ';
            m_actual.texto += palabra;
            m_actual.ancho += m_espacio + ancho;
            ++m_actual.espacios;
            return;
        }
        if (!m_actual.texto.isEmpty())
            cerrarLinea(false);
        if (ancho <= m_ancho + kHolgura) {
            m_actual = {palabra, ancho, 0, false};
            return;
        }
        partirPalabra(palabra);
    }

    // A word wider than the box goes letter by letter onto as many lines as
    // it needs.
    void partirPalabra(QString palabra)
    {
        while (!palabra.isEmpty()) {
            qsizetype n = palabra.size();
            while (n > 1 && m_m.ancho(m_estilo, palabra.left(n)) > m_ancho + kHolgura)
                --n;
            m_actual = {palabra.left(n), m_m.ancho(m_estilo, palabra.left(n)), 0, false};
            palabra = palabra.mid(n);
            if (!palabra.isEmpty())
                cerrarLinea(false);
        }
    }

    void cerrarLinea(bool finParrafo)
    {
        m_actual.finParrafo = finParrafo;
        m_lineas.push_back(m_actual);
        m_actual = {};
    }

    const EstiloTexto& m_estilo;
    double m_ancho;
    MetricasTexto& m_m;
    double m_espacio;
    Linea m_actual;
    std::vector<Linea> m_lineas;
};

// The last line kept of a cut text, shortened until it fits with "…".
void Recortar(Linea& linea, const EstiloTexto& estilo, double ancho, MetricasTexto& m)
{
    const QString puntos = QStringLiteral("…");
    QString t = linea.texto;
    while (!t.isEmpty() && m.ancho(estilo, t + puntos) > ancho + kHolgura)
        t.chop(1);
    linea.texto = t.trimmed() + puntos;
    linea.ancho = m.ancho(estilo, linea.texto);
    linea.espacios = 0;
    linea.finParrafo = true;
}

} // namespace

TextoCompuesto ComponerTexto(const QString& texto, const EstiloTexto& estilo, Alineacion alineacion, double ancho,
                             double alto, bool crece, MetricasTexto& m)
{
    std::vector<Linea> lineas = Compositor(estilo, ancho, m).componer(texto);
    const double altoLinea = m.altoLinea(estilo);
    if (!crece) {
        const auto caben = std::max<std::size_t>(1, std::size_t(std::floor(alto / altoLinea + 0.01)));
        if (lineas.size() > caben) {
            lineas.resize(caben);
            Recortar(lineas.back(), estilo, ancho, m);
        }
    }

    TextoCompuesto c;
    const double ascenso = m.ascenso(estilo);
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        const Linea& l = lineas[i];
        if (l.texto.isEmpty())
            continue;
        TextoPagina t;
        t.texto = l.texto;
        t.estilo = estilo;
        t.alto = altoLinea;
        t.ancho = l.ancho;
        double x = 0;
        if (alineacion == Alineacion::Centro)
            x = (ancho - l.ancho) / 2;
        else if (alineacion == Alineacion::Derecha)
            x = ancho - l.ancho;
        else if (alineacion == Alineacion::Justificado && !l.finParrafo && l.espacios > 0) {
            t.espaciado = (ancho - l.ancho) / l.espacios;
            t.ancho = ancho;
        }
        t.origen = QPointF(x, double(i) * altoLinea + ascenso);
        c.lineas.push_back(t);
    }
    c.alto = double(lineas.size()) * altoLinea;
    if (crece)
        c.alto = std::max(c.alto, alto);
    return c;
}

} // namespace report
