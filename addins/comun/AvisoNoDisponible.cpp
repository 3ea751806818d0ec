#include "comun/AvisoNoDisponible.h"

#include "platform/ui/Ui.h"

namespace addins {

QString TextoNoDisponible(const QString& complemento, const QString& funcion)
{
    return QStringLiteral("¡Esta función no está disponible en esta instalación!\r\n\r\n"
                          "Complemento: %1\r\nFunción: %2")
        .arg(complemento, funcion);
}

void AvisoNoDisponible(const QString& complemento, const QString& funcion)
{
    // The callers often show the hourglass while an add-in works; the user
    // must see that nothing is going on.
    const ui::MousePointer anterior = ui::Current().mousePointer();
    ui::Current().setMousePointer(ui::vbDefault);
    ui::MsgBox(TextoNoDisponible(complemento, funcion), ui::vbOKOnly + ui::vbExclamation);
    ui::Current().setMousePointer(anterior);
}

} // namespace addins
