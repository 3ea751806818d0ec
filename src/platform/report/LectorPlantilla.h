#pragma once

#include "platform/report/Plantilla.h"

#include <QByteArray>
#include <QString>

namespace report {

// Reads a template file. A missing file raises err::PlantillaNoEncontrada,
// an unreadable one err::PlantillaIlegible, malformed XML or an element the
// format does not have err::PlantillaMalFormada with its line and column.
// Pictures are looked up in the template's folder, letter case ignored.
Plantilla LeerPlantilla(const QString& ruta);

// The same from text already read; `nombre` names it in errors.
Plantilla LeerPlantillaDeTexto(const QByteArray& xml, const QString& nombre, const QString& carpeta);

} // namespace report
