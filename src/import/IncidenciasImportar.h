#pragma once

#include <QByteArray>
#include <QString>

// Text of a file written by an add-in: UTF-8 when the bytes are valid UTF-8,
// otherwise Windows-1252 (the older files' code page).
QString DecodificarTextoComplemento(const QByteArray& bytes);

// The text the incidences box shows for the lines of an incidences file:
// the lines before the first one that begins with "*" while their running
// length (line ends not counted) stays below 10,000 characters; the first
// "*" line and every one after it always. When that "*" line brings the
// count above 10,000, three lines of "..." between empty lines stand before
// it. Every line shown ends in CR LF.
QString TextoIncidencias(const QString& contenido);
