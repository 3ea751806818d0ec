#pragma once

#include <QString>

// The caption groups that decide what the right-hand side of the main window
// shows for a clicked node. Captions compare exactly (case and accents).
namespace GruposNodo {

// Folder nodes without a list of their own; the company node "<...>" too.
bool EsCarpeta(const QString& caption);
// The three message trays.
bool EsBandeja(const QString& caption);
// "Activo", "Pasivo", "Debe", "Haber": the accounting structure pane.
bool EsEstructura(const QString& caption);
// The accounting lists, shown only with a company selected.
bool EsListaContable(const QString& caption);
// Nodes without records: File > Delete and Properties go off. Unlike the
// folders, the company node counts only while no company is selected ("<>").
bool EsSinRegistros(const QString& caption);

// The structure kind handed to the accounting component: 1 to 4 for the
// structure captions, 0 for any other.
int TipoEstructura(const QString& caption);

} // namespace GruposNodo

// Visibility of the panes after a node click, before the list is filled.
struct PanelesNodo {
    bool msgPrincipal = false;
    bool trvConta = false;
    bool picConta = false;
    bool picMensaje = false;
    bool ascrAgenda = false;
    bool operator==(const PanelesNodo&) const = default;
};

// Steps 3 to 7 of a node click on the pane flags: the panes a click on
// `caption` leaves, with or without a selected company. Every flag is set,
// so what was shown before does not matter.
PanelesNodo PanelesTrasClic(const QString& caption, bool empresaSeleccionada);
