#pragma once

#include "startup/IActualizacionBD.h"

class App;
struct OpcionesActualizacion;

// The schema upgrade of the databases the splash window opened. A failed
// step tells the user and asks to end the program; that request is turned
// into TerminacionInmediata once the upgrader has returned, so the program
// entry ends the program in its one place.
class ActualizacionBDEsquema : public IActualizacionBD {
public:
    explicit ActualizacionBDEsquema(App& app) : m_app(app) {}

    void ActualizarDuzediv() override;
    void ActualizarContabilidad() override;

private:
    OpcionesActualizacion Opciones();
    void TerminarSiSePidio() const;

    App& m_app;
    bool m_terminar = false;
};
