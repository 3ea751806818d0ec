#include "mantenimiento/AccesoExclusivoBD.h"

#include "platform/locks/cUtilidadesBD.h"

void AccesoExclusivoBD::Inicializar(const QString& strDirectorio)
{
    m_bloqueos.Inicializar(strDirectorio);
}

void AccesoExclusivoBD::EstablecerBloqueoEntradaAplicacion()
{
    m_bloqueos.EstablecerBloqueoEntradaAplicacion();
}

bool AccesoExclusivoBD::blnComprobarAccesoExclusivo(const QString& strDataSource, db::Connection& conBD)
{
    return PVAPI::cUtilidadesBD().blnComprobarAccesoExclusivo(strDataSource, conBD);
}

void AccesoExclusivoBD::LiberarBloqueos()
{
    m_bloqueos.LiberarBloqueos();
}
