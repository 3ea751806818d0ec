#pragma once

#include "schema/DefinicionEsquema.h"

#include <QString>

// Layouts of the parish and accounting databases at their older versions,
// written from what each upgrade step reads and changes: the current layout
// with every step's additions taken away and its changed columns given back
// their older types. A database made from them and upgraded must read back
// exactly as a new database does.

// "2.0.0", "2.0.1", "2.0.2", "2.0.3", "2.1.0" or "2.1.2".
EsquemaDef EsquemaParroquiaAntiguo(const QString& version);

// The accounting database at 1.0.1; without `Informacion` when asked.
EsquemaDef EsquemaContabilidadAntiguo(bool conInformacion = true);

// The old type each column changed at 2.0.1 had before.
QString TipoAnteriorA201(const QString& tipoNuevo);
