#pragma once

#include "platform/pvapi/cCAplicacion.h"

#include <QString>
#include <functional>

class QDialog;
struct EstadoPrincipal;
namespace PVAPI {
class IControlInforme;
}

// What the report viewer is lent by the main window: its state (the shared
// configuration, the connections, the application title, the selected
// accounting company and its configuration), the program folder, the
// edition, the picture database and the window's one report control.
struct ContextoInformes {
    EstadoPrincipal* estado = nullptr;
    QString appPath;
    long edicion = PVAPI::cCAplicacion::EdicionDeLaCompilacion;
    // The picture database; empty: "Imagenes.img" of the program folder.
    QString rutaImagenes;
    // The main window's report control (`crptInformes`), made on first use.
    std::function<PVAPI::IControlInforme&()> crptInformes;
    // Shows a modal dialog the viewer opens (the options window of
    // "&Márgenes"); exec() when empty. Tests answer it instead.
    std::function<int(QDialog&)> ejecutarDialogo;
};
