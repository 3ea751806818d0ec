#pragma once

#include "mantenimiento/IAccesoExclusivoBD.h"
#include "platform/locks/cProcesarBloqueos.h"

// The entry lock and the exclusive-access test of the shared locking service
// (cProcesarBloqueos, cUtilidadesBD), for one maintenance command.
class AccesoExclusivoBD : public IAccesoExclusivoBD {
public:
    void Inicializar(const QString& strDirectorio) override;
    void EstablecerBloqueoEntradaAplicacion() override;
    bool blnComprobarAccesoExclusivo(const QString& strDataSource, db::Connection& conBD) override;
    void LiberarBloqueos() override;

private:
    PVAPI::cProcesarBloqueos m_bloqueos;
};
