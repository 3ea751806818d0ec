#pragma once

#include "platform/report/Bloque.h"
#include "platform/report/Evaluador.h"
#include "platform/report/Plantilla.h"

#include <optional>
#include <vector>

namespace report {

class MetricasTexto;

// A template section with its names resolved for one print.
struct SeccionEnlazada {
    const Seccion* seccion = nullptr;
    CondicionEnlazada si;
    int relacion = -1; // repeated over this relation's rows
    std::vector<TextoEnlazado> textos; // parallel to seccion->textos
    bool crece = true;                 // false in page headers, footers and label cells
    std::optional<Bloque> fija;        // the block itself when no text depends on the row
};

using BandaEnlazada = std::vector<SeccionEnlazada>;

// Sections whose texts are the same on every row are laid out once here.
BandaEnlazada EnlazarBanda(const Banda& banda, Evaluador& evaluador, bool crece, MetricasTexto& m);

// Lays a section out for one row. A growing text makes its section taller:
// whatever lies below the text's original bottom moves down by what the
// text grew (texts side by side push by the larger growth, texts one under
// the other add up); boxes and lines stretch where they span the text.
Bloque ComponerSeccion(const SeccionEnlazada& s, Evaluador& evaluador, const Contexto& c, MetricasTexto& m);

// The height of a section whose texts do not grow, whatever the row.
double AltoFijo(const Seccion& s, MetricasTexto& m);

} // namespace report
