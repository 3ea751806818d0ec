#pragma once

#include "platform/report/ModeloPaginas.h"
#include "platform/report/Plantilla.h"

#include <QString>

#include <vector>

namespace report {

class MetricasTexto;

// A text set into the lines of a box: broken at blanks (a word wider than
// the box is broken between letters), at line breaks, aligned. The lines'
// positions are relative to the box's top-left corner.
struct TextoCompuesto {
    std::vector<TextoPagina> lineas;
    double alto = 0; // of the lines it shows
};

// `crece`: every line is kept and the box is as tall as they need (at least
// its own height). Otherwise only the lines that fit in the box's height
// (one at least) are kept, and a cut text ends in "…" so that the reader
// sees it is not whole.
TextoCompuesto ComponerTexto(const QString& texto, const EstiloTexto& estilo, Alineacion alineacion, double ancho,
                             double alto, bool crece, MetricasTexto& metricas);

} // namespace report
