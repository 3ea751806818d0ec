#include "printing/PrepararPagina.h"

#include "core/AjustesUsuario.h"
#include "dialogs/frmMargenes.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"

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
    const ParametrosMargenes p = ParametrosPagina(ctx);
    if (Dialogo()) {
        Dialogo()(p);
        return;
    }
    frmMargenes dialogo(*ctx.config);
    dialogo.mstrREG_AppName = p.mstrREG_AppName;
    dialogo.mstrREG_Section = p.mstrREG_Section;
    dialogo.mstrREG_Key_MargenSup = p.mstrREG_Key_MargenSup;
    dialogo.mstrREG_Key_MargenIzq = p.mstrREG_Key_MargenIzq;
    dialogo.mintMAX_MargenSup = QString::number(p.mintMAX_MargenSup);
    dialogo.mintMIN_MargenSup = QString::number(p.mintMIN_MargenSup);
    dialogo.mintMAX_MargenIzq = QString::number(p.mintMAX_MargenIzq);
    dialogo.mintMIN_MargenIzq = QString::number(p.mintMIN_MargenIzq);
    dialogo.mintPREDET_MargenSup = QString::number(p.mintPREDET_MargenSup);
    dialogo.mintPREDET_MargenIzq = QString::number(p.mintPREDET_MargenIzq);
    dialogo.Mostrar();
}

} // namespace impresion
