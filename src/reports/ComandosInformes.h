#pragma once

#include "reports/ContextoInformes.h"

#include <functional>

class RegistroComandos;
class frmViewInforme;

// "Ver > Informes..." (`mnuVerInformes`): shows the hourglass and opens the
// report viewer modally, with no owner window; the viewer's load puts the
// pointer back.
void MostrarInformes(const ContextoInformes& ctx);

// Registers the viewer's menu command. `mostrar` runs the built window
// (tests answer it without a modal loop); by default it is `exec()`.
void RegistrarComandosInformes(RegistroComandos& comandos, ContextoInformes ctx,
                               std::function<void(frmViewInforme&)> mostrar = {});
