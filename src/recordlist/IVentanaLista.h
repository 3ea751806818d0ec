#pragma once

#include <QString>
#include <QtGlobal>

namespace widgets {
class NvList;
}

// A node of the navigation tree as the record list sees it: its key ("c"
// and the id) and its caption. An empty key stands for no node.
struct NodoArbol {
    QString clave;
    QString texto;
    bool Valido() const { return !clave.isEmpty(); }
};

// The panes of the main window whose visibility the node click decides.
enum class PanelPrincipal { msgPrincipal, trvConta, picConta, picMensaje, ascrAgenda };

// What the record list needs of the main window. The window implements it;
// tests implement it with plain state. Visibility is the pane's own flag,
// whether or not the window is on screen.
class IVentanaLista {
public:
    virtual ~IVentanaLista() = default;

    virtual widgets::NvList& msgPrincipal() = 0;

    virtual bool PanelVisible(PanelPrincipal panel) const = 0;
    virtual void SetPanelVisible(PanelPrincipal panel, bool visible) = 0;

    // The message preview under the list: shown just above the status bar
    // with the list shortened to end above it, or hidden with the list as
    // tall as the navigation tree.
    virtual void ColocarPanelMensaje(bool visible) = 0;
    // The preview's labels: 0 sender, 1 recipient, 2 message description.
    virtual void SetInfoMensaje(int indice, const QString& texto) = 0;

    // The agenda pane over the list, opened on today (day planner, month
    // calendar and the month's task list) and shown.
    virtual void MostrarAgenda() = 0;

    // The navigation tree's selected node (none: an invalid NodoArbol).
    virtual NodoArbol NodoSeleccionado() const = 0;
    // Title strip of the tree's selected node, with its picture.
    virtual void MostrarTituloNodo() = 0;
    virtual void EnfocarArbol() = 0;

    // Status bar panels 1 (selected node) and 2 (page range).
    virtual QString TextoPanel(int panel) const = 0;
    virtual void SetTextoPanel(int panel, const QString& texto) = 0;

    // Menu items by control name ("mnuArchivoEliminar").
    virtual void SetMenuVisible(const QString& nombre, bool visible) = 0;
    virtual void SetMenuEnabled(const QString& nombre, bool habilitado) = 0;
    virtual void SetMenuCaption(const QString& nombre, const QString& caption) = 0;
    // Shows a pop-up menu at the mouse and returns when it closes.
    virtual void PopupMenu(const QString& menu) = 0;

    // Has the accounting component fill the structure tree with the
    // structure `tipo` (1 to 4) of the selected company.
    virtual void CargarArbol(qint16 tipo) = 0;
};
