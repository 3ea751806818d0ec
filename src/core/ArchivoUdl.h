#pragma once

#include <QByteArray>
#include <QString>

// Data-link files ("duzediv.udl", "Informes.udl", "Contabilidad.udl"): UTF-16
// little-endian text with a byte-order mark, a section line, a comment line
// and the connection-string line, every line ending in CR LF.

// The data-link file as it is spelled on disk, the names mixing case
// ("duzediv.udl", "Duzediv.udl"): the file of the folder whose name matches
// without regard to case, else the path itself with "/" separators.
QString RutaArchivoUdl(const QString& ruta);

// The connection string of a data-link file: its text from the first
// "Provider" (any capitalisation) to the end of that line, without the line
// break. Callers use it as it is; no character needs to be dropped. A
// missing, empty or unreadable file, or one without "Provider", gives "".
QString LeerArchivoUdl(const QString& ruta);

// The bytes of a data-link file holding `cadenaConexion`.
QByteArray ContenidoArchivoUdl(const QString& cadenaConexion);

// Writes a data-link file holding `cadenaConexion`, replacing the file
// atomically. Returns false when it cannot be written.
bool EscribirArchivoUdl(const QString& ruta, const QString& cadenaConexion);
