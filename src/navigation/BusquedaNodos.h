#pragma once

#include "core/cNodo.h"

#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
}

// Lookups in the node model.

// 1-based position in `nodos` of the first node whose caption equals
// `caption` ignoring letter case; 0 when none does.
qint32 BuscarNodo(const ColeccionNodos& nodos, const QString& caption);

// 1-based position, in the columns of the node at `posicionNodo`, of the
// first column whose caption equals `caption` ignoring letter case; 0 when
// none does. A node position outside the collection raises vb::VbError 9.
qint32 BuscarCampo(const ColeccionNodos& nodos, qint32 posicionNodo, const QString& caption);

// Caption of the node's ancestor at level 2, read from table `Nodo` (not
// from the model, which may still be loading): the parent's caption for a
// node at level 3, the level-2 ancestor's for deeper ones, "" for levels 1
// and 2. A failure (a node without a row) is reported through the error
// reporter with "ComprobarPadreDeNivel2()", "frmPrincipal" and `proyecto`
// (the application title) and gives "". A parent chain that loops gives "".
QString ComprobarPadreDeNivel2(db::Connection& conLocal, qint16 idNodo, const QString& proyecto);
