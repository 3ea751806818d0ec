#include "actions/VentanaDeshabilitada.h"

#include "actions/IVentanaAcciones.h"

VentanaDeshabilitada::VentanaDeshabilitada(IVentanaAcciones& ventana)
    : m_ventana(ventana)
{
    m_ventana.Habilitar(false);
}

VentanaDeshabilitada::~VentanaDeshabilitada()
{
    m_ventana.Habilitar(true);
    m_ventana.TraerAlFrente();
}
