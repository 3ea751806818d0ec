#include "actions/DespacharAccion.h"

#include "actions/PunteroEspera.h"
#include "actions/VentanaDeshabilitada.h"

#include <optional>

namespace {

const FilaAccion* Buscar(const TablaAcciones& tabla, const CcNodos& nodos, const QString& caption)
{
    for (const FilaAccion& fila : tabla) {
        if ((nodos.*fila.tipo)() == caption)
            return &fila;
    }
    return nullptr;
}

} // namespace

void DespacharAccion(const TablaAcciones& tabla, const QString& strTextSelect, ArgumentosAccion& argumentos)
{
    const QString caption = strTextSelect;
    const FilaAccion* fila = Buscar(tabla, argumentos.app.gobjConstante().nodo(), caption);
    if (!fila || !DuenoDisponible(argumentos.app, fila->dueno))
        return;
    PunteroEspera puntero(fila->marco == MarcoAccion::Predeterminado ? ui::vbDefault : ui::vbHourglass);
    std::optional<VentanaDeshabilitada> deshabilitada;
    if (fila->marco == MarcoAccion::EsperaDeshabilitada)
        deshabilitada.emplace(argumentos.ventana);
    fila->llamar(argumentos);
}
