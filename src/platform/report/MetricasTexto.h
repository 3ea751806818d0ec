#pragma once

#include "platform/report/Plantilla.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QString>

#include <memory>

namespace report {

// Text measures in millimetres, taken at a fixed high resolution with
// unhinted fonts, so the layout is the same on screen, paper and PDF and on
// every machine with the DejaVu fonts. Word widths are cached: reports
// repeat the same words on every page.
class MetricasTexto {
public:
    // The one instance of the program (layout runs on the window thread).
    static MetricasTexto& Compartidas();

    // The font of a style; its point size applies at the drawing device's
    // resolution.
    static QFont Fuente(const EstiloTexto& estilo);

    double ancho(const EstiloTexto& estilo, const QString& texto);
    double ascenso(const EstiloTexto& estilo);
    double altoLinea(const EstiloTexto& estilo);

private:
    struct Medidas {
        explicit Medidas(const QFont& fuente, QPaintDevice* dispositivo) : metricas(fuente, dispositivo) {}
        QFontMetricsF metricas;
        QHash<QString, double> palabras;
    };

    MetricasTexto();
    Medidas& medidas(const EstiloTexto& estilo);

    QImage m_dispositivo;
    QHash<EstiloTexto, std::shared_ptr<Medidas>> m_medidas;
    EstiloTexto m_ultimoEstilo;
    Medidas* m_ultima = nullptr;
};

} // namespace report
