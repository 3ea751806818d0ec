#include "printing/PrepararPagina.h"

#include "core/AjustesUsuario.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/AvisoNoDisponible.h"

namespace impresion {

namespace {

MostrarMargenes& Dialogo()
{
    static MostrarMargenes mostrar;
    return mostrar;
}

} // namespace

void EstablecerDialogoMargenes(MostrarMargenes mostrar)
{
    Dialogo() = std::move(mostrar);
}

ParametrosMargenes ParametrosPagina(const ContextoImpresion& ctx)
{
    const AjustesUsuario ajustes{ctx.appTitle, ctx.config->Usuario, ctx.config->idioma};
    ParametrosMargenes p;
    p.mstrREG_AppName = ctx.appTitle;
    p.mstrREG_Section = ajustes.Seccion(PVAPI::cCRegistry::DOCUMENTOS());
    p.mstrREG_Key_MargenSup = PVAPI::cCRegistry::DOCUMENTOS_MARGENSUPERIOR();
    p.mstrREG_Key_MargenIzq = PVAPI::cCRegistry::DOCUMENTOS_MARGENIZQUIERDO();
    p.mintMIN_MargenSup = 0;
    p.mintMAX_MargenSup = 100;
    p.mintMIN_MargenIzq = 0;
    p.mintMAX_MargenIzq = 100;
    p.mintPREDET_MargenSup = 20;
    p.mintPREDET_MargenIzq = 25;
    return p;
}

void PrepararPagina(const ContextoImpresion& ctx)
{
    if (!Dialogo()) {
        ui::AvisoNoDisponible();
        return;
    }
    Dialogo()(ParametrosPagina(ctx));
}

} // namespace impresion
