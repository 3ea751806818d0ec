#pragma once

#include "schema/upgrade/OpcionesActualizacion.h"

#include <QString>

namespace db {
class Connection;
}

// Keeps the accounting database at the current version, 1.0.2. Start-up
// calls ComprobarVersionBD once, with the accounting add-in present, after
// the parish upgrade. The version table is made when missing (its database
// is then at 1.0.1); the one step 1.0.1 -> 1.0.2 makes its backup "V102" and
// runs in one transaction; a failed step leaves the database as it was,
// tells the user and ends the program.
class cActBDContab {
public:
    explicit cActBDContab(db::Connection& conContabilidad, OpcionesActualizacion opciones = {});

    // Failures of the version query reach the caller as vb::VbError.
    void ComprobarVersionBD();

private:
    void CrearTablaInformacion();
    // The table, its column and its row are there.
    bool InformacionCompleta();
    void ActualizarVersion(const QString& version);
    bool ActualizarA102();

    db::Connection& m_conContabilidad;
    OpcionesActualizacion m_opciones;
};
