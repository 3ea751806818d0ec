#pragma once

#include "platform/addins/TiposComplemento.h"
#include "printing/ContextoImpresion.h"

#include <QString>
#include <QtGlobal>

// The program's own document prints (not the accounting-reports add-in's
// `addins::cInformes`, nor the amounts in words of `PVAPI::cinformes`):
// cash receipts, the marriage banns exhortation and the confirmation
// notification without a book entry. Each traps its errors and shows them
// through the shared service's VerError with its own name; the work tables
// it uses are emptied on every path, errors included.
class cInformes {
public:
    explicit cInformes(ContextoImpresion ctx) : m_ctx(std::move(ctx)) {}

    // Copies the cash receipts among `colRecibos` (receipts paid through the
    // bank are left out) into `Recibos`, with the amount in words, and
    // prints them with "\infDO_Recibo.rpt".
    void ImprimirRecibos(const addins::ColeccionRecibos& colRecibos);
    void ImprimirExhortoAmonestacionesMatrimonio(qint32& lngID);
    void ImprimirPartidaSinLibro();

    // The amount in words as a receipt writes it, from the amount rounded
    // to cents (pesetas: whole pesetas): "Una peseta.", "Veintiún euros.",
    // "Veinticinco euros con cincuenta centimos de euro.", "Cero euros.".
    static QString ImporteEnLetras(double importe, bool blnPesetas);

private:
    // " AND Recibo.IDRecibo IN (...)"; for no receipts, a condition no row
    // meets.
    QString CondicionRecibos(const addins::ColeccionRecibos& colRecibos) const;
    // Reports the exception in flight with VerError and the method's name.
    void Informar(const char* procedimiento) const;

    ContextoImpresion m_ctx;
};
