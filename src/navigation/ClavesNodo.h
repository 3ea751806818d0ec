#pragma once

#include <QString>
#include <QtGlobal>

// Keys that name a node or a column. Every lookup builds its key with these,
// so a node is found under the same text it was added with.

// " 12": a node in `gcolNodo`, a column in `colCampo`.
QString ClaveColeccion(qint64 id);

// "c12": a node in the navigation tree, and its title picture.
QString ClaveArbol(qint64 id);

// The id of a tree key ("c12" gives 12): the digits after its first
// character; 0 when they are not a number.
qint32 IdDeClaveArbol(const QString& clave);
