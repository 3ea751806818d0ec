#include "actions/AccesoExclusivoBloqueos.h"
#include "actions/ImportacionTablas.h"
#include "actions/cIActionMenus.h"

#include "platform/addins/HostComplementos.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "startup/App.h"

// The import wizard is not part of this installation yet: inside the
// exclusive access the user is told so.
void cIActionMenus::ImportarTablas()
{
    AccesoExclusivoBloqueos acceso;
    ImportarTablasConAccesoExclusivo(acceso, m_app.den.conLocal, [] { ui::AvisoNoDisponible(); });
}

bool cIActionMenus::SetupVodidazaz()
{
    const auto objVodidazaz =
        addins::CrearObjeto<addins::cVodidazaz>(QString::fromLatin1(addins::cVodidazaz::NombreClase));
    return objVodidazaz->DatosSetup(m_app.den.conLocal, *m_app.gobjInfoConfig);
}

bool cIActionMenus::SetupGestionParroquial()
{
    const auto objGestPar = addins::CrearObjeto<addins::cGestPar>(QString::fromLatin1(addins::cGestPar::NombreClase));
    return objGestPar->DatosSetup(m_app.den.conLocal);
}
