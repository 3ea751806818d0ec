#pragma once

#include "platform/pvapi/cCAplicacion.h"

#include <QString>
#include <functional>
#include <memory>

namespace PVAPI {
struct cInfoConfiguracion;
class cDuzediv;
}
class IServicioMantenimiento;
namespace addins {
class cContabilidad;
class cVodidazaz;
}
struct denDuzediv;
class cIActionMenus;
class IAccionesRegistro;
class IVentanaAcciones;

// What the main window is given by the program entry: the shared
// configuration object and the data environment (both live longer than the
// window), the program folder, title and help file, and the edition.
struct ContextoPrincipal {
    PVAPI::cInfoConfiguracion* gobjInfoConfig = nullptr;
    denDuzediv* den = nullptr;
    QString appPath;
    // Also the application name of the per-user settings.
    QString appTitle;
    QString helpPath;
    long edicion = PVAPI::cCAplicacion::EdicionDeLaCompilacion;
    // The picture database; empty: "Imagenes.img" of the program folder.
    QString rutaImagenes;
    // The accounting add-in, which fills the structure tree; null without it.
    addins::cContabilidad* gobjContabilidad = nullptr;
    // The donations add-in, which moves the accounting link; null without it.
    addins::cVodidazaz* gobjVodidazaz = nullptr;
    // Run last at unload: lets the owner release the shared service object
    // and the add-in objects while the window goes.
    std::function<void()> liberarObjetos;
    // Makes the window's one action object (`objActionMenus`) for the
    // window, on first use. Without it a record command raises error 91.
    std::function<std::shared_ptr<cIActionMenus>(IVentanaAcciones&)> crearAcciones;
    // Replaces the action object as what the record commands call (tests
    // record the calls); null: the action object.
    std::shared_ptr<IAccionesRegistro> accionesRegistro;
    // The shared service object (`gobjDuzediv`), whose maintenance services
    // the Tools menu runs; null in a window made without it.
    PVAPI::cDuzediv* gobjDuzediv = nullptr;
    // Replaces those services (tests record the calls).
    std::shared_ptr<IServicioMantenimiento> servicioMantenimiento;
};
