#pragma once

#include <QString>

namespace db {
class Connection;
}

// The entry lock and the exclusive-access test of the locking service, for
// the maintenance that replaces database files. AccesoExclusivoBD is the
// service itself; tests say who else is connected and record the order.
class IAccesoExclusivoBD {
public:
    virtual ~IAccesoExclusivoBD() = default;

    // The folder of the protected database.
    virtual void Inicializar(const QString& strDirectorio) = 0;
    virtual void EstablecerBloqueoEntradaAplicacion() = 0;
    // True when no other workstation uses the database file strDataSource.
    virtual bool blnComprobarAccesoExclusivo(const QString& strDataSource, db::Connection& conBD) = 0;
    // Releases the entry lock and every other lock taken.
    virtual void LiberarBloqueos() = 0;
};
