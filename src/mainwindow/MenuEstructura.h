#pragma once

#include "recordlist/MenuContextual.h"

#include <QString>

class QTreeWidget;

// What a right click on the accounting structure tree does to the Structure
// pop-up (`trvConta_MouseUp`), and whether a double-click edits.
namespace MenuEstructura {

// The tree as these rules read it.
struct Arbol {
    int nodos = 0;
    // 1-based index of the selected node among all nodes; 0: none.
    int indiceSeleccionado = 0;
    QString clave;           // the selected node's key
    int hijos = 0;           // its children
    QString clavePrimerHijo; // its first child's key

    static Arbol De(const QTreeWidget& arbol);
};

// Item states, then the pop-up `mnuEstructura`; an empty menu: none opens
// (a one-node tree whose node is not selected).
PlanMenu Plan(const Arbol& arbol);

// A double-click runs Properties.
bool DobleClicEdita(const Arbol& arbol);

} // namespace MenuEstructura
