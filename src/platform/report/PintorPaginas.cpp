#include "platform/report/PintorPaginas.h"

#include "platform/report/MetricasTexto.h"

#include <QHash>
#include <QPageSize>
#include <QPainter>
#include <QPen>

namespace report {

namespace {

class Pintor {
public:
    Pintor(QPainter& p, double ppm) : m_p(p), m_ppm(ppm) {}

    void pintar(const Pagina& pagina)
    {
        for (const ImagenPagina& i : pagina.imagenes)
            m_p.drawImage(escalar(i.caja), i.imagen);
        m_p.setBrush(Qt::NoBrush);
        for (const CajaPagina& c : pagina.cajas) {
            pluma(c.grosor);
            m_p.drawRect(escalar(c.caja));
        }
        for (const LineaPagina& l : pagina.lineas) {
            pluma(l.grosor);
            m_p.drawLine(QLineF(l.linea.p1() * m_ppm, l.linea.p2() * m_ppm));
        }
        m_p.setPen(Qt::black);
        for (const TextoPagina& t : pagina.textos)
            texto(t);
    }

private:
    QRectF escalar(const QRectF& r) const
    {
        return QRectF(r.topLeft() * m_ppm, r.size() * m_ppm);
    }

    void pluma(double grosor)
    {
        if (grosor == m_grosor)
            return;
        m_grosor = grosor;
        QPen pen(Qt::black, grosor * m_ppm);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        m_p.setPen(pen);
    }

    void texto(const TextoPagina& t)
    {
        if (m_estilo != t.estilo || m_espaciado != t.espaciado || !m_conFuente) {
            auto it = m_fuentes.constFind(t.estilo);
            if (it == m_fuentes.constEnd())
                it = m_fuentes.insert(t.estilo, MetricasTexto::Fuente(t.estilo));
            QFont f = *it;
            if (t.espaciado != 0)
                f.setWordSpacing(t.espaciado * m_ppm);
            m_p.setFont(f);
            m_estilo = t.estilo;
            m_espaciado = t.espaciado;
            m_conFuente = true;
        }
        m_p.drawText(t.origen * m_ppm, t.texto);
    }

    QPainter& m_p;
    double m_ppm;
    double m_grosor = -1;
    QHash<EstiloTexto, QFont> m_fuentes;
    EstiloTexto m_estilo;
    double m_espaciado = 0;
    bool m_conFuente = false;
};

} // namespace

QPageLayout DisposicionDe(const ModeloPaginas& modelo)
{
    const QSizeF t = modelo.tamano;
    const bool apaisada = t.width() > t.height();
    const QSizeF derecha = apaisada ? t.transposed() : t;
    return QPageLayout(QPageSize(derecha, QPageSize::Millimeter), apaisada ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void PintarPagina(QPainter& painter, const Pagina& pagina, double puntosPorMm)
{
    painter.save();
    Pintor(painter, puntosPorMm).pintar(pagina);
    painter.restore();
}

} // namespace report
