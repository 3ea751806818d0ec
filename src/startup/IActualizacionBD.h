#pragma once

// The schema upgrade as start-up runs it (step after the regional check).
// A failed upgrade step ends the program from inside; any other failure is
// thrown to the caller.
class IActualizacionBD {
public:
    virtual ~IActualizacionBD() = default;

    // Brings the parish database to the current version.
    virtual void ActualizarDuzediv() = 0;
    // Brings the accounting database to the current version (called only
    // when the accounting add-in is present).
    virtual void ActualizarContabilidad() = 0;
};
