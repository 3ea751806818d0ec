#include "mainwindow/MenuEstructura.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace MenuEstructura {
namespace {

CambioMenu Habilitado(const char* nombre, bool activo)
{
    return {QString::fromLatin1(nombre), CambioMenu::Propiedad::Habilitado, activo, {}};
}

CambioMenu Visible(const char* nombre, bool activo)
{
    return {QString::fromLatin1(nombre), CambioMenu::Propiedad::Visible, activo, {}};
}

// An account assigned to a heading: its key begins with a lower-case "c".
bool EsCuenta(const QString& clave) { return clave.startsWith(QLatin1Char('c')); }

void AsignacionVisible(PlanMenu& plan)
{
    plan.cambios << Visible("mnuEstructuraSeparador1", true) << Visible("mnuEstructuraAsignar", true)
                 << Visible("mnuEstructuraDesasignar", true);
}

void NuevoAsignarDesasignar(PlanMenu& plan, bool nuevo, bool asignar, bool desasignar)
{
    plan.cambios << Habilitado("mnuEstructuraNuevo", nuevo) << Habilitado("mnuEstructuraAsignar", asignar)
                 << Habilitado("mnuEstructuraDesasignar", desasignar);
}

} // namespace

Arbol Arbol::De(const QTreeWidget& arbol)
{
    Arbol a;
    const QList<QTreeWidgetItem*> seleccion = arbol.selectedItems();
    const QTreeWidgetItem* seleccionado = seleccion.isEmpty() ? nullptr : seleccion.first();
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&arbol)); *it; ++it) {
        ++a.nodos;
        if (*it == seleccionado)
            a.indiceSeleccionado = a.nodos;
    }
    if (seleccionado) {
        a.clave = seleccionado->data(0, Qt::UserRole).toString();
        a.hijos = seleccionado->childCount();
        if (a.hijos > 0)
            a.clavePrimerHijo = seleccionado->child(0)->data(0, Qt::UserRole).toString();
    }
    return a;
}

PlanMenu Plan(const Arbol& arbol)
{
    PlanMenu plan;
    plan.cambios << CambioMenu{QStringLiteral("mnuEstructuraNuevo"), CambioMenu::Propiedad::Caption, false,
                               QStringLiteral("Nuevo")};
    if (arbol.nodos == 0) {
        plan.cambios << Habilitado("mnuEstructuraNuevo", true) << Habilitado("mnuEstructuraEliminar", false)
                     << Habilitado("mnuEstructuraPropiedades", false);
        AsignacionVisible(plan);
        plan.cambios << Habilitado("mnuEstructuraAsignar", false) << Habilitado("mnuEstructuraDesasignar", false);
        plan.menu = QStringLiteral("mnuEstructura");
        return plan;
    }
    plan.cambios << Habilitado("mnuEstructuraEliminar", true) << Habilitado("mnuEstructuraPropiedades", true);
    if (arbol.nodos == 1 && arbol.indiceSeleccionado != 1)
        return plan;
    AsignacionVisible(plan);
    if (arbol.indiceSeleccionado == 0) {
        // Nothing selected among several nodes: only a new heading.
        NuevoAsignarDesasignar(plan, true, false, false);
    } else if (arbol.hijos == 0) {
        const bool cuenta = EsCuenta(arbol.clave);
        NuevoAsignarDesasignar(plan, !cuenta, !cuenta, cuenta);
    } else {
        NuevoAsignarDesasignar(plan, true, EsCuenta(arbol.clavePrimerHijo), false);
    }
    plan.menu = QStringLiteral("mnuEstructura");
    return plan;
}

bool DobleClicEdita(const Arbol& arbol)
{
    if (arbol.nodos == 0)
        return false;
    return arbol.nodos > 1 || arbol.indiceSeleccionado == 1;
}

} // namespace MenuEstructura
