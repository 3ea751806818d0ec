#include "platform/report/MetricasTexto.h"

namespace report {

namespace {

constexpr double kPuntosPorPulgada = 1200;
constexpr double kMmPorPunto = 25.4 / kPuntosPorPulgada;
constexpr qsizetype kPalabrasMaximas = 100000;

QString Familia(Letra letra)
{
    switch (letra) {
    case Letra::Sans:
        return QStringLiteral("DejaVu Sans");
    case Letra::Mono:
        return QStringLiteral("DejaVu Sans Mono");
    case Letra::Serif:
        break;
    }
    return QStringLiteral("DejaVu Serif");
}

} // namespace

size_t qHash(const EstiloTexto& e, size_t semilla)
{
    return ::qHashMulti(semilla, int(e.letra), e.puntos, e.negrita, e.cursiva);
}

MetricasTexto& MetricasTexto::Compartidas()
{
    static MetricasTexto metricas;
    return metricas;
}

MetricasTexto::MetricasTexto()
    : m_dispositivo(1, 1, QImage::Format_ARGB32)
{
    const int puntosPorMetro = qRound(kPuntosPorPulgada / 0.0254);
    m_dispositivo.setDotsPerMeterX(puntosPorMetro);
    m_dispositivo.setDotsPerMeterY(puntosPorMetro);
}

QFont MetricasTexto::Fuente(const EstiloTexto& estilo)
{
    QFont f(Familia(estilo.letra));
    f.setPointSizeF(estilo.puntos);
    f.setBold(estilo.negrita);
    f.setItalic(estilo.cursiva);
    f.setHintingPreference(QFont::PreferNoHinting);
    // Never another family in place of a missing glyph's: the same face
    // everywhere keeps the layout identical. No shaping: Latin text needs
    // none, and without ligatures the PDF's text reads back letter by
    // letter ("fi", not one ligature glyph) for searching and copying.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::NoFontMerging | QFont::PreferNoShaping));
    return f;
}

MetricasTexto::Medidas& MetricasTexto::medidas(const EstiloTexto& estilo)
{
    // A text asks for the same style word after word.
    if (m_ultima && m_ultimoEstilo == estilo)
        return *m_ultima;
    auto it = m_medidas.find(estilo);
    if (it == m_medidas.end())
        it = m_medidas.insert(estilo, std::make_shared<Medidas>(Fuente(estilo), &m_dispositivo));
    m_ultimoEstilo = estilo;
    m_ultima = it->get();
    return **it;
}

double MetricasTexto::ancho(const EstiloTexto& estilo, const QString& texto)
{
    Medidas& m = medidas(estilo);
    auto it = m.palabras.constFind(texto);
    if (it != m.palabras.constEnd())
        return *it;
    if (m.palabras.size() > kPalabrasMaximas)
        m.palabras.clear();
    const double ancho = m.metricas.horizontalAdvance(texto) * kMmPorPunto;
    m.palabras.insert(texto, ancho);
    return ancho;
}

double MetricasTexto::ascenso(const EstiloTexto& estilo)
{
    return medidas(estilo).metricas.ascent() * kMmPorPunto;
}

double MetricasTexto::altoLinea(const EstiloTexto& estilo)
{
    return medidas(estilo).metricas.lineSpacing() * kMmPorPunto;
}

} // namespace report
