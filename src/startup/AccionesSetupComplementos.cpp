#include "startup/AccionesSetupComplementos.h"

#include "platform/addins/HostComplementos.h"
#include "startup/App.h"

bool AccionesSetupComplementos::SetupVodidazaz()
{
    const auto objVodidazaz = addins::CrearObjeto<addins::cVodidazaz>(QString::fromLatin1(addins::cVodidazaz::NombreClase));
    return objVodidazaz->DatosSetup(m_app.den.conLocal, *m_app.gobjInfoConfig);
}

bool AccionesSetupComplementos::SetupGestionParroquial()
{
    const auto objGestPar = addins::CrearObjeto<addins::cGestPar>(QString::fromLatin1(addins::cGestPar::NombreClase));
    return objGestPar->DatosSetup(m_app.den.conLocal);
}
