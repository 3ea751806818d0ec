#pragma once

#include "platform/report/ModeloPaginas.h"

#include <optional>

namespace report {

// One laid-out section (or the part of one that goes on a page): what it
// draws, relative to its top-left corner, and how tall it is.
struct Bloque {
    Pagina contenido;
    double alto = 0;

    // Draws the block onto a page with its corner at (x, y).
    void ColocarEn(Pagina& pagina, double x, double y) const;

    // Cuts the block so that its first part is at most `alto` tall: text
    // lines and pictures are never cut (the cut moves up to the top of the
    // first one it would cross), boxes and lines are. Returns nullopt when
    // not even the first line fits; `resto` then keeps the whole block.
    std::optional<Bloque> Partir(double alto, Bloque& resto) const;
};

} // namespace report
