#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace PVAPI {
struct cInfoConfiguracion;
}

// What the main window load changes by edition and by the add-ins found:
// plain tables, applied by the window and checked by tests without one.
namespace ReglasCargaPrincipal {

// One menu entry changed by the load: a new caption and/or visibility;
// what is not given stays as designed.
struct CambioMenu {
    QString nombre;
    std::optional<QString> caption;
    std::optional<bool> visible;
    bool operator==(const CambioMenu&) const = default;
};

// The Help entry of O.R.B.E., its separator and the marriage-file print
// items of the requests menu for an edition code (cConstante::Aplicacion).
// Codes are compared with VALDENA, CORBELA, then MIRANTE and TUREL; any
// other code takes the last row.
QList<CambioMenu> MenusDeEdicion(const QString& aplicacion);

// Captions of the tree branches of the absent add-ins, in removal order.
// The messaging branch lies inside the parish one, so it is only named when
// the parish add-in is present.
QStringList RamasAusentes(const PVAPI::cInfoConfiguracion& info);

// Menu entries and toolbar "Nuevo" drop-down entries (1-based) of the
// absent add-ins, to hide; nothing is ever shown here.
struct EntradasAusentes {
    QStringList menus;
    QList<int> desplegable;
};
EntradasAusentes EntradasDeAusentes(const PVAPI::cInfoConfiguracion& info);

// The entries the consolidation flag shows or hides.
QStringList MenusDeConsolidacion();

} // namespace ReglasCargaPrincipal
