#pragma once

#include "platform/report/ModeloPaginas.h"

#include <QDate>
#include <QMarginsF>
#include <QString>
#include <QStringList>

namespace report {

// Everything one print needs, as the control's settings give it.
struct PeticionInforme {
    QString plantilla;    // path, or "\name.rpt" in the program folder
    QString datos;        // the report database
    QString clave;        // its password, a leading line feed allowed
    QStringList formulas; // "Nombre=valor" entries
    QStringList orden;    // "+{Tabla.Campo}" entries; empty: the template's own
    QMarginsF margenesTwips; // a side of 0 keeps the template's margin
    QString titulo;
    QDate fecha = QDate::currentDate();
};

// Reads the template and every row it needs (the database is closed again
// before this returns) and lays the pages out. Errors are vb::VbError with
// the engine's numbers (ErroresInforme.h).
ModeloPaginas GenerarInforme(const PeticionInforme& peticion);

// A file name as the program writes it, on disk: "\name" or a bare name is
// looked up in the program folder, a path as it is; "\" separators and
// letter case do not matter. The name as given (separators fixed) when no
// file matches; "" for "".
QString ResolverArchivo(const QString& nombre);

// Twips of the control's margins to the millimetres of the layout (the
// program converts millimetres with 56.7 twips each).
double TwipsAMilimetros(double twips);

} // namespace report
