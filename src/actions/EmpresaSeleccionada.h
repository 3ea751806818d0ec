#pragma once

#include <QtGlobal>

class IVentanaAcciones;
namespace db {
class Connection;
}

// The selected accounting company after the accounting add-in edited or
// deleted a company. The selected company is known by its id
// (`mlngCodEmpresaSeleccionada`), never by its label: two companies may
// share an abbreviation and a year. The tree shows it on its one company
// node, "<" + upper-case abbreviation + " - " + year + ">", "<>" for none.
class EmpresaSeleccionada {
public:
    // Company `lngID` was edited: when it is the selected one, its node shows
    // the label as stored now (a changed abbreviation or year shows at once).
    static void Reetiquetar(IVentanaAcciones& ventana, db::Connection& conContabilidad, qint32 lngID);

    // Company `lngID` was deleted: when it was the selected one, no company
    // stays selected: the node reads "<>", the window's lock on the company
    // goes, and the five accounting lists that depend on the company lose
    // their query, in the node model and in `Nodo` (a single blank, in one
    // transaction, the model changed after the commit).
    static void Quitar(IVentanaAcciones& ventana, db::Connection& conLocal, qint32 lngID);

    // The company `mlngCodEmpresaSeleccionada` was just chosen
    // (`ActualizarNodosEmpresa`): the window locks it; the five accounting
    // lists get its query, in the currency of the accounting configuration,
    // in `Nodo` (one transaction, bound values) and then in the node model;
    // its node shows its label and `mblnEjercicioCerrado` its closed year.
    // A company without its row leaves the node blank and the flag as it
    // was. Nothing is reloaded.
    static void ActualizarNodos(IVentanaAcciones& ventana, db::Connection& conLocal,
                                db::Connection& conContabilidad);
};
