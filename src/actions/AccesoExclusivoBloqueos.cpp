#include "actions/AccesoExclusivoBloqueos.h"

#include "platform/locks/cUtilidadesBD.h"

void AccesoExclusivoBloqueos::Inicializar(const QString& strDirectorio)
{
    m_bloqueos.Inicializar(strDirectorio);
}

void AccesoExclusivoBloqueos::EstablecerBloqueoEntradaAplicacion()
{
    m_bloqueos.EstablecerBloqueoEntradaAplicacion();
}

bool AccesoExclusivoBloqueos::blnComprobarAccesoExclusivo(const QString& strDataSource, db::Connection& conBD)
{
    return PVAPI::cUtilidadesBD().blnComprobarAccesoExclusivo(strDataSource, conBD);
}

void AccesoExclusivoBloqueos::LiberarBloqueos()
{
    m_bloqueos.LiberarBloqueos();
}
