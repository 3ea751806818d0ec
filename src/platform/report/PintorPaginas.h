#pragma once

#include "platform/report/ModeloPaginas.h"

#include <QPageLayout>

class QPainter;

namespace report {

// Draws one page of the model. `puntosPorMm` is the device's resolution in
// dots per millimetre; fonts take their size from the device's own
// resolution, so the painter must have no scaling of its own.
void PintarPagina(QPainter& painter, const Pagina& pagina, double puntosPorMm);

// The paper of the model, without margins: paper sizes are named upright,
// so a page wider than tall is the upright size turned.
QPageLayout DisposicionDe(const ModeloPaginas& modelo);

} // namespace report
