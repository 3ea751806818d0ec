// The Structure pop-up over the accounting tree: which items a right click
// enables for the node under selection, when no menu opens, and when a
// double-click edits.

#include "mainwindow/MenuEstructura.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

using MenuEstructura::Arbol;

// The enabled state each plan leaves, last change wins.
QMap<QString, bool> Habilitados(const PlanMenu& plan)
{
    QMap<QString, bool> estados;
    for (const CambioMenu& c : plan.cambios) {
        if (c.propiedad == CambioMenu::Propiedad::Habilitado)
            estados[c.nombre] = c.activo;
    }
    return estados;
}

struct Caso {
    const char* nombre;
    Arbol arbol;
    bool menu;
    // New, Delete, Properties, Assign, Unassign; unused when no menu opens.
    bool nuevo, eliminar, propiedades, asignar, desasignar;
};

const Caso kCasos[] = {
    {"empty tree", {0, 0, "", 0, ""}, true, true, false, false, false, false},
    {"one node, not selected", {1, 0, "", 0, ""}, false, false, true, true, false, false},
    {"assigned account", {5, 3, "c4300", 0, ""}, true, false, true, true, false, true},
    {"empty heading", {5, 2, "e4", 0, ""}, true, true, true, true, true, false},
    {"heading of accounts", {5, 1, "e1", 2, "c57"}, true, true, true, true, true, false},
    {"heading of headings", {5, 1, "e1", 2, "e2"}, true, true, true, true, false, false},
    {"upper-case C is no account", {5, 3, "C4300", 0, ""}, true, true, true, true, true, false},
    {"several nodes, none selected", {5, 0, "", 0, ""}, true, true, true, true, false, false},
};

TEST(MenuEstructura, ARightClickEnablesTheItemsOfTheSelectedNode)
{
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        const PlanMenu plan = MenuEstructura::Plan(c.arbol);
        EXPECT_EQ(plan.cambios.first().caption, QStringLiteral("Nuevo"));
        EXPECT_EQ(plan.menu.isEmpty(), !c.menu);
        if (!c.menu)
            continue;
        const QMap<QString, bool> h = Habilitados(plan);
        EXPECT_EQ(h.value("mnuEstructuraNuevo"), c.nuevo);
        EXPECT_EQ(h.value("mnuEstructuraEliminar"), c.eliminar);
        EXPECT_EQ(h.value("mnuEstructuraPropiedades"), c.propiedades);
        EXPECT_EQ(h.value("mnuEstructuraAsignar"), c.asignar);
        EXPECT_EQ(h.value("mnuEstructuraDesasignar"), c.desasignar);
    }
}

TEST(MenuEstructura, ADoubleClickEditsUnlessTheTreeIsEmptyOrItsOneNodeIsNotSelected)
{
    EXPECT_FALSE(MenuEstructura::DobleClicEdita({0, 0, "", 0, ""}));
    EXPECT_FALSE(MenuEstructura::DobleClicEdita({1, 0, "", 0, ""}));
    EXPECT_TRUE(MenuEstructura::DobleClicEdita({1, 1, "e1", 0, ""}));
    EXPECT_TRUE(MenuEstructura::DobleClicEdita({3, 0, "", 0, ""}));
}

} // namespace
