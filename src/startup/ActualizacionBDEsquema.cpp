#include "startup/ActualizacionBDEsquema.h"

#include "schema/upgrade/cActBDContab.h"
#include "schema/upgrade/cActBDDuzediv.h"
#include "startup/App.h"
#include "startup/TerminacionInmediata.h"

namespace {
constexpr int kCodigoFalloActualizacion = 1;
}

OpcionesActualizacion ActualizacionBDEsquema::Opciones()
{
    OpcionesActualizacion opciones;
    opciones.servicio = m_app.gobjDuzediv.get();
    opciones.terminarPrograma = [this] { m_terminar = true; };
    return opciones;
}

void ActualizacionBDEsquema::TerminarSiSePidio() const
{
    if (m_terminar)
        throw TerminacionInmediata(kCodigoFalloActualizacion);
}

void ActualizacionBDEsquema::ActualizarDuzediv()
{
    db::Connection* contabilidad = m_app.gobjInfoConfig->ContabilidadDLL ? &m_app.den.conContabilidad : nullptr;
    cActBDDuzediv(m_app.den.conLocal, contabilidad, Opciones()).ComprobarVersionBD();
    TerminarSiSePidio();
}

void ActualizacionBDEsquema::ActualizarContabilidad()
{
    cActBDContab(m_app.den.conContabilidad, Opciones()).ComprobarVersionBD();
    TerminarSiSePidio();
}
