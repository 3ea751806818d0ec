#pragma once

#include <QString>

// Where a removal shows how far it has got: the removal dialog's bar, or the
// shared progress window. Iniciar comes once the locks are held and the
// work is known; Paso before each step, with the steps done so far and the
// name of the one that starts; Terminar at the end, on every path (also
// when a step failed and everything was rolled back).
class ProgresoEliminacion {
public:
    virtual ~ProgresoEliminacion() = default;

    virtual void Iniciar(int maximo) = 0;
    virtual void Paso(int hechos, const QString& paso) = 0;
    virtual void Terminar() = 0;
};
