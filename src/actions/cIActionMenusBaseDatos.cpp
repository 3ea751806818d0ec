#include "actions/AccesoExclusivoBloqueos.h"
#include "actions/ImportacionTablas.h"
#include "actions/cIActionMenus.h"

#include "import/AbrirAsistenteImportar.h"
#include "platform/addins/HostComplementos.h"
#include "startup/App.h"

#include <QApplication>

// The import wizard, inside the exclusive access.
void cIActionMenus::ImportarTablas()
{
    AccesoExclusivoBloqueos acceso;
    ImportarTablasConAccesoExclusivo(acceso, m_app.den.conLocal, [this] {
        ContextoImportar contexto;
        contexto.conLocal = &m_app.den.conLocal;
        contexto.objInfoConfig = m_app.gobjInfoConfig.get();
        contexto.objVodidazaz = m_app.gobjVodidazaz.get();
        contexto.objGestPar = m_app.gobjGestPar.get();
        contexto.strAppPath = App::Path();
        contexto.strHelpFile = m_app.HelpFile;
        AbrirAsistenteImportar(std::move(contexto), QApplication::activeWindow());
    });
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
