#pragma once

#include <QString>

namespace db {
class Connection;
}

// What the import of tables needs of the locking service: the entry lock
// that keeps other workstations from starting the program, and the test
// that no other workstation uses the database. AccesoExclusivoBloqueos is
// the service itself; tests record the order of the calls.
class IAccesoExclusivo {
public:
    virtual ~IAccesoExclusivo() = default;

    // The folder of the protected database.
    virtual void Inicializar(const QString& strDirectorio) = 0;
    virtual void EstablecerBloqueoEntradaAplicacion() = 0;
    // True when no other workstation uses the database file strDataSource.
    virtual bool blnComprobarAccesoExclusivo(const QString& strDataSource, db::Connection& conBD) = 0;
    // Releases the entry lock and every other lock taken.
    virtual void LiberarBloqueos() = 0;
};
