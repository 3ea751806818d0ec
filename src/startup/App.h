#pragma once

#include "platform/addins/cBancos.h"
#include "platform/addins/cContabilidad.h"
#include "platform/addins/cGestPar.h"
#include "platform/addins/cMensajeria.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "core/cConstante.h"
#include "core/denDuzediv.h"

#include <QString>
#include <functional>
#include <memory>

class IVentanaPrincipal;

// The program's shared objects, in one place: the context that the program
// entry creates and that every part of the program reaches through
// App::Actual() or is handed. The members keep the old program's names.
// Each lives for the whole run; the add-in objects stay empty when their
// add-in is not installed.
class App {
public:
    App();
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The running program's context (the last one made that still lives).
    // Null before main has made one.
    static App* Actual();

    // The edition constants, made on first use.
    cConstante& gobjConstante();

    std::unique_ptr<PVAPI::cDuzediv> gobjDuzediv;
    std::unique_ptr<PVAPI::cCRegistry> gobjRegistro;
    std::unique_ptr<addins::cVodidazaz> gobjVodidazaz;
    std::unique_ptr<addins::cBancos> gobjBancos;
    std::unique_ptr<addins::cGestPar> gobjGestPar;
    std::unique_ptr<PVAPI::cInfoConfiguracion> gobjInfoConfig;
    std::unique_ptr<addins::cMensajeria> gobjMensajeria;
    std::unique_ptr<addins::cContabilidad> gobjContabilidad;

    // The connections conLocal, conInformes and conContabilidad.
    denDuzediv den;

    // The program's help file ("Duzediv.chm" of the program folder).
    QString HelpFile;

    // The main window. Either set `principal` (not owned) or give
    // `crearPrincipal`, which Principal() calls on first use, once the
    // shared objects it needs exist; the window made so is owned here.
    IVentanaPrincipal* principal = nullptr;
    std::function<std::unique_ptr<IVentanaPrincipal>(App&)> crearPrincipal;
    IVentanaPrincipal* Principal();

    // The program folder and the application title (also the settings'
    // application name).
    static QString Path();
    static QString Title();

private:
    std::unique_ptr<cConstante> m_constante;
    std::unique_ptr<IVentanaPrincipal> m_principalPropio;
    App* m_anterior;
};
