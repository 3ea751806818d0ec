#pragma once

#include <QList>
#include <QString>
#include <optional>

// What a right-click over the record list does to the pop-up menus before
// one is shown, by the selected node's caption and kind key: item
// visibility, enabled state and captions, the menu shown, and whether the
// void item needs the current entry's state.
struct CambioMenu {
    enum class Propiedad { Visible, Habilitado, Caption };
    QString nombre;
    Propiedad propiedad = Propiedad::Visible;
    bool activo = false;  // Visible and Habilitado
    QString caption;      // Caption
    bool operator==(const CambioMenu&) const = default;
};

struct PlanMenu {
    // The entry table whose `Anulada` column gives the caption of the void
    // item ("Inva&lidar" or "Va&lidar").
    struct Anulada {
        QString tabla;
        QString columnaId;
    };

    QList<CambioMenu> cambios;  // in the order they are made
    QString menu;               // the menu shown; empty: none
    bool restaurarNuevo = false;  // "&Nuevo" back on mnuSecundarioNuevo after the menu
    std::optional<Anulada> anulada;
};

class MenuContextual {
public:
    // Step 5 of the list's mouse-up for the right button. A caption that is
    // none of the 26 node names gives an empty plan (no menu).
    static PlanMenu Plan(const QString& caption, const QString& tipo);

    // "Inva&lidar" for no current entry or one not voided, else "Va&lidar".
    static QString CaptionAnular(bool hayFila, bool anulada);
};
