#pragma once

#include "import/AsistenteImportar.h"

#include <functional>

class frmImportar;
class QWidget;

// Shows the import wizard modally over `padre` until it closes. Each opening
// is a new wizard, so nothing of one run survives into the next.
void AbrirAsistenteImportar(ContextoImportar contexto, QWidget* padre);

// How the wizard is shown: exec() in the program; tests give a function
// that drives the window instead. An empty function goes back to exec().
using EjecutorAsistenteImportar = std::function<void(frmImportar&)>;
void EstablecerEjecutorAsistenteImportar(EjecutorAsistenteImportar ejecutor);
