#pragma once

#include "platform/db/Connection.h"

// The data environment: the program's three connections. The splash window
// opens them at start-up; they stay open for the whole run.
struct denDuzediv {
    db::Connection conLocal;         // "Duzediv.mdb", the parish database
    db::Connection conInformes;      // "Informes.mdb", work tables of the reports
    db::Connection conContabilidad;  // "Contabilidad.mdb", only with the accounting add-in
};
