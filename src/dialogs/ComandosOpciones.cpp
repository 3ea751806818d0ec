#include "dialogs/ComandosOpciones.h"

#include "core/EstadoPrincipal.h"
#include "core/RegistroComandos.h"
#include "core/denDuzediv.h"
#include "dialogs/frmAcerca.h"
#include "platform/ui/AvisoNoDisponible.h"

void RegistrarComandosOpciones(RegistroComandos& comandos, EstadoPrincipal& estado, ServiciosOpciones servicios,
                               QWidget* ventana)
{
    comandos.Registrar(QStringLiteral("mnuVerOpciones"), [&comandos, &estado, servicios, ventana] {
        if (!estado.gobjInfoConfig || !estado.den) {
            ui::AvisoNoDisponible();
            return;
        }
        MostrarOpciones(ContextoOpciones {estado, *estado.gobjInfoConfig, estado.den->conLocal, estado.appTitle, {}},
                        servicios, ventana);
        if (comandos.Contiene(QStringLiteral("mnuVerActualizarLista")))
            comandos.Ejecutar(QStringLiteral("mnuVerActualizarLista"));
    });
    comandos.Registrar(QStringLiteral("mnuAyudaAcercade"),
                       [servicios, ventana] { MostrarAcercaDe(servicios.ejecutarDialogo, ventana); });
}
