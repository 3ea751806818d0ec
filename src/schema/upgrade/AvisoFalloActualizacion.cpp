#include "schema/upgrade/AvisoFalloActualizacion.h"

#include "platform/ui/Ui.h"

#include <cstdlib>

QString TextoFalloActualizacion(const QString& version)
{
    return QStringLiteral("¡Se ha producido un error mientras se actualizaba a la versión ") + version
           + QStringLiteral("!");
}

void AvisarFalloActualizacion(const QString& version, const std::function<void()>& terminarPrograma)
{
    ui::Beep();
    ui::MsgBox(TextoFalloActualizacion(version), ui::vbExclamation + ui::vbOKOnly, ui::AppTitle());
    if (terminarPrograma) {
        terminarPrograma();
        return;
    }
    // Ends without unwinding: no window's unload handler may run, and the
    // databases are consistent (the step was rolled back).
    std::exit(EXIT_FAILURE);
}
