#pragma once

#include "mantenimiento/cConexion.h"

#include <QStringList>
#include <memory>

namespace compresor {
class ZlibTool;
}
namespace PVAPI {
struct cInfoConfiguracion;
}

// The maintenance services of the component library, as the main window's
// Tools menu calls them. Each does all that the user sees (questions,
// progress, messages); the caller checks no result. cMantenimientoBD is the
// service; tests of the commands record the calls.
class IServicioMantenimiento {
public:
    virtual ~IServicioMantenimiento() = default;

    // `ficheros` holds the paths of the parish, accounting, report and
    // picture databases, in that order. The service may hand back another
    // compressor in `zltCompresor`.
    virtual void RealizarCopiaSeg(ColeccionConexiones& colConexiones, QStringList& ficheros,
                                  std::shared_ptr<compresor::ZlibTool>& zltCompresor,
                                  PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    // Sets RecuperadaCopiaSeg on every descriptor whose database it replaced;
    // their connections are open again on the restored files when it returns.
    virtual void RestaurarCopiaSeg(ColeccionConexiones& colConexiones, QStringList& ficheros,
                                   std::shared_ptr<compresor::ZlibTool>& zltCompresor,
                                   PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void CompactarRepararBD(ColeccionConexiones& colConexiones, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void CambiarMunicipios(db::Connection& conLocal) = 0;
};
