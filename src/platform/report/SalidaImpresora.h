#pragma once

#include "platform/report/ModeloPaginas.h"

class QPrinter;

namespace report {

// Prints the model on a printer set up by the print dialog: the pages the
// dialog chose (all when none), at the printer's resolution, positioned
// from the paper's corner. err::Salida when the printer cannot start.
void ImprimirModelo(const ModeloPaginas& modelo, QPrinter& impresora);

// A printer ready for the model: its page size, no margins of its own, the
// title as the document name.
void PrepararImpresora(const ModeloPaginas& modelo, QPrinter& impresora);

} // namespace report
