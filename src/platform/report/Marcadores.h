#pragma once

#include "platform/report/Plantilla.h"

#include <QList>
#include <QString>

// The references written inside template texts: "{Tabla.Campo}",
// "{@Formula}", "{#Pagina}", "{#Paginas}", "{#Fecha}", "{Suma(Tabla.Campo)}",
// each optionally followed by ":formato" ("fecha", "fechaLarga", "n0".."n9",
// "n@Formula"); "{{" and "}}" stand for the braces themselves.
namespace report {

struct ErrorSintaxis {
    QString mensaje;
};

// The pieces of a text; throws ErrorSintaxis.
QList<Trozo> LeerTrozos(const QString& texto);

// One reference without its braces ("Tabla.Campo:fecha", "@PtsEur");
// throws ErrorSintaxis.
Trozo LeerMarcador(const QString& interior);

} // namespace report
