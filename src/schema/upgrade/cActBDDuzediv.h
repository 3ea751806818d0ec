#pragma once

#include "schema/upgrade/OpcionesActualizacion.h"

#include <QString>

namespace db {
class Connection;
}
struct PasoVersion;

// Keeps the parish database at the current schema version. Start-up makes
// one instance after the databases are open and calls ComprobarVersionBD
// once: the stored version is brought step by step, along the path of the
// edition, to 2.2.0. Every step first makes its backup copies, then runs its
// preparation, schema changes, seed rows and version update in one
// transaction. A step that fails leaves the database as it was (the backup
// stays), tells the user which version it was to reach and ends the program;
// the next start tries the same step again.
class cActBDDuzediv {
public:
    // `conContabilidad` may be null or closed (no accounting add-in): the
    // accounting part of the Mirante step is then left out.
    cActBDDuzediv(db::Connection& conLocal, db::Connection* conContabilidad, OpcionesActualizacion opciones = {});

    // Reads the version and upgrades. Failures of the version query reach
    // the caller as vb::VbError.
    void ComprobarVersionBD();

private:
    // Runs the steps from `version`, advancing it to each step's target.
    void ActualizarVersion(QString& version);
    // One step; true when it was committed.
    bool EjecutarPasoVersion(const PasoVersion& paso);
    void HacerCopias(const PasoVersion& paso, bool conContabilidad);
    void EjecutarTransaccion(const PasoVersion& paso, bool conContabilidad);
    void EjecutarSubpasos(const PasoVersion& paso);
    bool RepararBautismo();
    // Compacts the parish database in place after the steps; false only when
    // the connection could not be opened again.
    bool Compactar();
    bool ContabilidadAbierta() const;

    db::Connection& m_conLocal;
    db::Connection* m_conContabilidad;
    OpcionesActualizacion m_opciones;
};
