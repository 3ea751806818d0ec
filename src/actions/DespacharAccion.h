#pragma once

#include "actions/FilaAccion.h"

// Runs the first row of `tabla` whose node-name constant equals
// `strTextSelect` exactly (case and accents count), inside the row's frame;
// the pointer is the default one at the end and the window enabled, on every
// path. No row: nothing happens, nothing is said. An absent owner: the user
// is told that the function is not available.
void DespacharAccion(const TablaAcciones& tabla, const QString& strTextSelect, ArgumentosAccion& argumentos);
