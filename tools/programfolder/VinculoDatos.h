#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a data-link file: UTF-16 little-endian with a byte-order mark,
// the section line "[oledb]", the comment line and the connection string,
// each line ending in CR LF.
QByteArray ContenidoVinculoDatos(const QString& cadenaConexion);

// Writes a data-link file, replacing it atomically; false when it cannot.
bool EscribirVinculoDatos(const QString& ruta, const QString& cadenaConexion);
