#include "reports/ComandosInformes.h"

#include "core/RegistroComandos.h"
#include "platform/ui/Ui.h"
#include "reports/frmViewInforme.h"

namespace {

void Abrir(const ContextoInformes& ctx, const std::function<void(frmViewInforme&)>& mostrar)
{
    ui::Current().setMousePointer(ui::vbHourglass);
    frmViewInforme frm(ctx);
    if (mostrar)
        mostrar(frm);
    else
        frm.exec();
}

} // namespace

void MostrarInformes(const ContextoInformes& ctx)
{
    Abrir(ctx, {});
}

void RegistrarComandosInformes(RegistroComandos& comandos, ContextoInformes ctx,
                               std::function<void(frmViewInforme&)> mostrar)
{
    comandos.Registrar(QStringLiteral("mnuVerInformes"),
                       [ctx = std::move(ctx), mostrar = std::move(mostrar)] { Abrir(ctx, mostrar); });
}
