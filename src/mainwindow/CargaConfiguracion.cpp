#include "mainwindow/CargaConfiguracion.h"

#include "mainwindow/ContextoPrincipal.h"

#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/vb/Vb.h"
#include "startup/cConfigContabilidad.h"
#include "startup/cConstante.h"

namespace {

using PVAPI::cCRegistry;

QString Prefijo(const PVAPI::cInfoConfiguracion& info)
{
    return info.Usuario + QLatin1Char('\\') + QString::number(info.idioma);
}

// "0" is false, any other number true; a text that is no number raises.
bool EnPesetas(const ContextoPrincipal& contexto, const PVAPI::cInfoConfiguracion& info, const QString& seccion,
               const QString& clave)
{
    const QString valor = settings::GetSetting(contexto.appTitle, Prefijo(info) + QLatin1Char('\\') + seccion, clave,
                                               QStringLiteral("0"));
    return vb::CDblEs(valor) != 0;
}

} // namespace

void CargarConfigContabilidad(cConfigContabilidad& config, const ContextoPrincipal& contexto, const QIcon& icono)
{
    const PVAPI::cInfoConfiguracion& info = *contexto.gobjInfoConfig;
    const cConstante constante(contexto.edicion);
    config.SetAppPath(contexto.appPath);
    config.SetAppTitle(contexto.appTitle);
    config.SetHelpPath(contexto.helpPath);
    config.SetUsuario(Prefijo(info));
    config.SetTrabajarConPesetas(
        EnPesetas(contexto, info, cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_TRABAJARENPESETAS()));
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
        EnPesetas(contexto, info, cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS());
}
