#pragma once

#include "platform/report/ModeloPaginas.h"

#include <QString>

class QIODevice;

namespace report {

// Writes the model as PDF with its fonts embedded; err::Salida on failure.
void EscribirPdf(const ModeloPaginas& modelo, QIODevice& destino, const QString& nombre);

// Saves the model as a PDF file, replacing it only once the new one is
// complete.
void GuardarPdf(const ModeloPaginas& modelo, const QString& ruta);

// Saves the model in a folder under a new name made of the title and the
// first free number ("Libro de bautismo-0001.pdf"), never over an existing
// file and never leaving half a file under that name. Returns the path.
QString GuardarPdfEnCarpeta(const ModeloPaginas& modelo, const QString& carpeta);

// The title as a file name: no path separators, no characters other
// systems refuse, no control characters; "Informe" when nothing is left.
QString NombreArchivoSeguro(const QString& titulo);

} // namespace report
