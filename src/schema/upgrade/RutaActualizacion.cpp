#include "schema/upgrade/RutaActualizacion.h"

#include "platform/pvapi/cCAplicacion.h"

#include <utility>

QList<int> RutaActualizacion(const QString& aplicacion)
{
    using PVAPI::cCAplicacion;
    const std::pair<long, QList<int>> rutas[] = {
        {cCAplicacion::APP_PARVANTA_VALDENA, {1, 2, 6, 7}},
        {cCAplicacion::APP_PARVANTA_GENERAL, {3, 4, 6, 7}},
        {cCAplicacion::APP_PARVANTA_LOSARA, {5, 6, 7}},
        {cCAplicacion::APP_PARVANTA_CORBELA, {6, 7}},
        {cCAplicacion::APP_PARVANTA_BRINDEL, {6, 7}},
        {cCAplicacion::APP_PARVANTA_OSTRAVE, {6, 7}},
        {cCAplicacion::APP_PARVANTA_MIRANTE, {6, 8}},
        {cCAplicacion::APP_PARVANTA_TUREL, {}},
    };
    for (const auto& [edicion, pasos] : rutas) {
        if (cCAplicacion::Texto(edicion) == aplicacion)
            return pasos;
    }
    return {};
}
