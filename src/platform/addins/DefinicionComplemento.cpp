#include "platform/addins/DefinicionComplemento.h"

#include "platform/addins/cBancos.h"
#include "platform/addins/cContabilidad.h"
#include "platform/addins/cGestPar.h"
#include "platform/addins/cMensajeria.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/pvapi/cInfoConfiguracion.h"

namespace addins {

const QList<DefinicionComplemento>& DefinicionComplemento::Buscados()
{
    using PVAPI::cInfoConfiguracion;
    static const QList<DefinicionComplemento> buscados {
        {"PVVodidazaz", cVodidazaz::NombreClase, &cInfoConfiguracion::VodidazazDLL},
        {"PVGestionParroquial", cGestPar::NombreClase, &cInfoConfiguracion::GestionParroquialDLL},
        {"PVMensajeria", cMensajeria::NombreClase, &cInfoConfiguracion::MensajeriaDLL},
        {"NvContabilidad", cContabilidad::NombreClase, &cInfoConfiguracion::ContabilidadDLL},
        {"NvBancos", cBancos::NombreClase, &cInfoConfiguracion::BancosDLL},
    };
    return buscados;
}

} // namespace addins
