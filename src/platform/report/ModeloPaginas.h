#pragma once

#include "platform/report/Plantilla.h"

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

// The laid-out report: pages with positioned text runs, lines, boxes and
// pictures, in millimetres from the page's top-left corner. Every output
// (preview, printer, PDF) draws this same model.
namespace report {

// One line of text. `origen` is the start of its baseline; `ancho` the
// width it takes; `espaciado` the extra width given to each space of a
// justified line.
struct TextoPagina {
    QPointF origen;
    double ancho = 0;
    double alto = 0; // line height
    QString texto;
    EstiloTexto estilo;
    double espaciado = 0;

    // The line's box: from the top of its line height to the bottom.
    QRectF caja(double ascenso) const { return QRectF(origen.x(), origen.y() - ascenso, ancho, alto); }
};

struct LineaPagina {
    QLineF linea;
    double grosor = 0.3;
};

struct CajaPagina {
    QRectF caja;
    double grosor = 0.3;
};

struct ImagenPagina {
    QRectF caja;
    QImage imagen;
};

struct Pagina {
    std::vector<TextoPagina> textos;
    std::vector<LineaPagina> lineas;
    std::vector<CajaPagina> cajas;
    std::vector<ImagenPagina> imagenes;

    // The texts in reading order (top to bottom, then left to right),
    // one per run: handy for tests and checks.
    QStringList Textos() const;
    // The first run whose text contains `texto`, or nullptr.
    const TextoPagina* Buscar(const QString& texto) const;
};

struct ModeloPaginas {
    QString titulo;
    QSizeF tamano{210, 297};
    std::vector<Pagina> paginas;
};

} // namespace report
