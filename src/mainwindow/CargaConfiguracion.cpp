#include "mainwindow/CargaConfiguracion.h"

#include "mainwindow/ContextoPrincipal.h"
#include "core/AjustesUsuario.h"

#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/vb/Vb.h"
#include "core/cConfigContabilidad.h"
#include "core/cConstante.h"

namespace {

using PVAPI::cCRegistry;

AjustesUsuario Ajustes(const ContextoPrincipal& contexto, const PVAPI::cInfoConfiguracion& info)
{
    return AjustesUsuario {contexto.appTitle, info.Usuario, info.idioma};
}

// "0" is false, any other number true; a text that is no number raises.
bool EnPesetas(const AjustesUsuario& ajustes, const QString& seccion, const QString& clave)
{
    return vb::CDblEs(ajustes.Leer(ajustes.Seccion(seccion), clave, QStringLiteral("0"))) != 0;
}

} // namespace

void CargarConfigContabilidad(cConfigContabilidad& config, const ContextoPrincipal& contexto, const QIcon& icono)
{
    const AjustesUsuario ajustes = Ajustes(contexto, *contexto.gobjInfoConfig);
    const cConstante constante(contexto.edicion);
    config.SetAppPath(contexto.appPath);
    config.SetAppTitle(contexto.appTitle);
    config.SetHelpPath(contexto.helpPath);
    config.SetUsuario(ajustes.Prefijo());
    config.SetTrabajarConPesetas(
        EnPesetas(ajustes, cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_TRABAJARENPESETAS()));
    config.SetIcono(icono);
    config.SetAplicacion(constante.Aplicacion());
    config.SetConsolidacionVisible(constante.ConsolidacionVisible());
}

void CargarConfigVodidazaz(PVAPI::cInfoConfiguracion& info, const ContextoPrincipal& contexto)
{
    const cConstante constante(contexto.edicion);
    info.AppPath = contexto.appPath;
    info.HelpPath = contexto.helpPath;
    info.AppTitle = contexto.appTitle;
    info.Aplicacion = constante.Aplicacion();
    info.TrabajarConPesetas =
        EnPesetas(Ajustes(contexto, info), cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS());
}
