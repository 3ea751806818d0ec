#include "comun/MonedaComplemento.h"

#include "core/cCurrency.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/vb/Currency.h"
#include "platform/vb/Vb.h"

namespace addins {

widgets::MonedaRegistro MonedaComplemento(const PVAPI::cInfoConfiguracion& objInfoConfig)
{
    widgets::MonedaRegistro moneda;
    moneda.trabajarConPesetas = objInfoConfig.TrabajarConPesetas;
    moneda.convertir = [](double importe, bool aEuros) {
        const cCurrency reglas;
        if (aEuros) {
            vb::Currency cantidad = vb::Currency::fromDouble(importe);
            reglas.PesetasAEuros(cantidad);
            return cantidad.toDouble();
        }
        return vb::CDblEs(reglas.EurosAPesetas(vb::Currency::fromDouble(importe)));
    };
    return moneda;
}

} // namespace addins
