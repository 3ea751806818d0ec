#include "printing/MargenesDocumento.h"

#include "core/AjustesUsuario.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/report/SecuenciaImpresion.h"

namespace margenes {

namespace {

AjustesUsuario Ajustes(const ContextoImpresion& ctx)
{
    return AjustesUsuario{ctx.appTitle, ctx.config->Usuario, ctx.config->idioma};
}

QString Seccion(const AjustesUsuario& ajustes)
{
    return ajustes.Seccion(PVAPI::cCRegistry::DOCUMENTOS());
}

} // namespace

void SembrarMargenesDocumento(const ContextoImpresion& ctx)
{
    const AjustesUsuario ajustes = Ajustes(ctx);
    const QString seccion = Seccion(ajustes);
    const LoteAjustes lote;
    if (ajustes.Leer(seccion, PVAPI::cCRegistry::DOCUMENTOS_MARGENSUPERIOR()).isEmpty())
        ajustes.Guardar(seccion, PVAPI::cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("20"));
    if (ajustes.Leer(seccion, PVAPI::cCRegistry::DOCUMENTOS_MARGENIZQUIERDO()).isEmpty())
        ajustes.Guardar(seccion, PVAPI::cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(), QStringLiteral("25"));
}

QString LeerMargen(const ContextoImpresion& ctx, const QString& clave, const QString& defecto)
{
    const AjustesUsuario ajustes = Ajustes(ctx);
    return ajustes.Leer(Seccion(ajustes), clave, defecto);
}

qint16 Margen(const ContextoImpresion& ctx, const QString& clave, const QString& defecto)
{
    return report::MargenEnTwips(LeerMargen(ctx, clave, defecto));
}

} // namespace margenes
