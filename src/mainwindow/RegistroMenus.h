#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// One entry of the main window's menus as designed: its control name, the
// menu it sits in (empty: the menu bar), caption ("-" for a separator),
// shortcut and initial state. A menu of the bar that is not shown there
// serves only as a context menu.
struct EntradaMenu {
    const char* nombre;
    const char* padre;
    const char* caption;
    const char* atajo = "";
    bool visible = true;
    bool habilitado = true;
    bool marcado = false;  // a check mark (the entry is then checkable)
};

// The main window's menus by control name ("mnuArchivoNuevo"): their
// actions, for the state the window and the record list set, and the names
// of the items that are commands.
class RegistroMenus {
public:
    // Builds every entry of `entradas`, in order: entries with children are
    // menus (sub-menus or menus of the bar), the rest items or separators.
    // Menus of the bar that are not visible are left out of the bar.
    void Construir(const QList<EntradaMenu>& entradas, QMenuBar* barra, QWidget* dueno);

    // The action of an entry (for a menu, its menu action); null when none.
    QAction* Accion(const QString& nombre) const;
    // The menu of an entry that has children; null otherwise.
    QMenu* Menu(const QString& nombre) const;
    bool Contiene(const QString& nombre) const { return m_acciones.contains(nombre); }
    // Control names in table order.
    const QStringList& Nombres() const { return m_nombres; }
    // The items that run a command, in table order: every entry but the
    // menus (with children) and the separators.
    const QStringList& Comandos() const { return m_comandos; }

    // Shorthands that ignore names that are not in the registry.
    void SetVisible(const QString& nombre, bool visible) const;
    void SetEnabled(const QString& nombre, bool habilitado) const;
    void SetCaption(const QString& nombre, const QString& caption) const;

private:
    QHash<QString, QAction*> m_acciones;
    QHash<QString, QMenu*> m_menus;
    QStringList m_nombres;
    QStringList m_comandos;
};
