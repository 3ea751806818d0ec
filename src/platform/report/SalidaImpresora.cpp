#include "platform/report/SalidaImpresora.h"

#include "platform/report/ErroresInforme.h"
#include "platform/report/MemoriaPdf.h"
#include "platform/report/PintorPaginas.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace report {

void PrepararImpresora(const ModeloPaginas& modelo, QPrinter& impresora)
{
    impresora.setDocName(modelo.titulo);
    impresora.setFullPage(true);
    impresora.setPageLayout(DisposicionDe(modelo));
    impresora.setFromTo(0, 0);
}

void ImprimirModelo(const ModeloPaginas& modelo, QPrinter& impresora)
{
    const int total = int(modelo.paginas.size());
    int desde = 1;
    int hasta = total;
    if (impresora.printRange() == QPrinter::PageRange && impresora.fromPage() > 0) {
        desde = std::max(1, impresora.fromPage());
        hasta = std::min(total, impresora.toPage() > 0 ? impresora.toPage() : total);
    }
    PrepararMemoriaPdf();
    QPainter painter;
    if (!painter.begin(&impresora))
        err::Lanzar(err::Salida, {impresora.printerName(), QStringLiteral("la impresora no puede empezar el trabajo.")});
    const double ppm = impresora.resolution() / 25.4;
    for (int n = desde; n <= hasta; ++n) {
        if (n > desde)
            impresora.newPage();
        PintarPagina(painter, modelo.paginas[std::size_t(n) - 1], ppm);
    }
    painter.end();
}

} // namespace report
