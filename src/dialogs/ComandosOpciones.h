#pragma once

#include "dialogs/frmOpciones.h"

class QWidget;
class RegistroComandos;
struct EstadoPrincipal;

// View > "&Opciones..." (`mnuVerOpciones`) and Help > "&Acerca de Norvia
// Vodidazaz" (`mnuAyudaAcercade`). The options come from the window's state
// (its shared configuration, parish connection and title); after the dialog
// closes the list of the selected node is reloaded (`mnuVerActualizarLista`),
// so a rewritten query, the page size and the currency apply at once. A
// window without databases answers that the function is not available.
// `ventana` is the dialogs' parent.
void RegistrarComandosOpciones(RegistroComandos& comandos, EstadoPrincipal& estado, ServiciosOpciones servicios,
                               QWidget* ventana);
