#pragma once

#include "startup/frmMensaje.h"

#include <QString>
#include <functional>
#include <memory>

class App;
class IAccionesSetup;
class IActualizacionBD;

// What the program entry takes from its surroundings. The defaults are the
// real ones; tests replace them to observe the end of the program, answer the
// modal dialogs and keep the process's working folder and locks their own.
struct ServiciosArranque {
    // Ends the process at once, without any window's unload handler.
    std::function<void(int codigo)> terminarPrograma;
    // Shows a modal dialog and returns its result.
    frmMensaje::EjecutarDialogo ejecutarDialogo;
    // Folder of the one-instance lock ("" = the user's runtime folder).
    QString carpetaInstanciaUnica;
    // Makes the program folder the process's working folder. Nothing relies
    // on it to find the databases: a relative data source is resolved in the
    // program folder explicitly.
    std::function<void(const QString& carpeta)> establecerDirectorioActual;
    // The add-in set-up actions (made on first use, kept for both set-ups).
    // The record actions carry them out, above the start-up: the program
    // entry gives them (Predeterminados leaves this empty).
    std::function<std::unique_ptr<IAccionesSetup>(App&)> crearAccionesSetup;
    // The schema upgrade.
    std::function<std::unique_ptr<IActualizacionBD>(App&)> crearActualizacion;

    static ServiciosArranque Predeterminados();
};
