#include "platform/ui/AvisoNoDisponible.h"

#include "platform/ui/Ui.h"

namespace ui {

QString TextoNoDisponible()
{
    return QStringLiteral("¡Esta función no está disponible en esta instalación!");
}

void AvisoNoDisponible(const QString& detalle)
{
    QString texto = TextoNoDisponible();
    if (!detalle.isEmpty())
        texto += QStringLiteral("\r\n\r\n") + detalle;
    Ui& ui = Current();
    const MousePointer anterior = ui.mousePointer();
    ui.setMousePointer(vbDefault);
    MsgBox(texto, vbOKOnly + vbExclamation);
    ui.setMousePointer(anterior);
}

} // namespace ui
