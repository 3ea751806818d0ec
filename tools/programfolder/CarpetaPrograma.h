#pragma once

#include "platform/pvapi/cCAplicacion.h"

#include <QString>
#include <QStringList>

struct OpcionesCarpetaPrograma {
    // Edition whose report tree the parish database is seeded with.
    long aplicacion = PVAPI::cCAplicacion::EdicionDeLaCompilacion;
    // Write the seed rows (tree, list columns, lookups, default chart) into
    // the databases made now. Off for tests that want bare layouts.
    bool sembrar = true;
};

struct InformeCarpetaPrograma {
    QStringList creados;      // files and folders made now
    QStringList conservados;  // files that were there and were left alone
};

// Lays out a complete program folder: the three databases with their layouts
// (and seed rows), the picture database "Imagenes.img", the data-link files
// naming the databases of this folder by file name alone, and the folders "CopiasBD",
// "Log/Trasvase" and "addins". Only what is missing is made: an existing
// database, picture database or data-link file (whatever its letter case) is
// never touched, so a user's data survives. A file is built under a temporary
// name and renamed only when complete. Throws vb::VbError (database failures)
// or std::runtime_error (files) when something cannot be made.
InformeCarpetaPrograma CrearCarpetaPrograma(const QString& carpeta, const OpcionesCarpetaPrograma& opciones = {});
