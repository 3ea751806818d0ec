#pragma once

#include "core/AjustesUsuario.h"
#include "core/cNodo.h"
#include "core/cPropiedadesNodo.h"

#include <functional>

namespace db {
class Connection;
class Recordset;
}
class RutaNodos;

// Builds the node model from tables `Nodo` and `Campo` when the main window
// loads, in four passes:
//  1. each node's saved expansion ("Expandido" of its section, "0" written
//     when missing) into the `Expandido` column of `Nodo`;
//  2. one cNodo per row, in Nivel, CodPadre, Orden order, with its columns
//     and their saved widths (seeded from `Campo.Ancho` when missing);
//  3. the settings section as `Path` of every node that has columns;
//  then, without company consolidation, the group node and the group
//  column of the companies node out of the model;
//  4. one paging record per row of `Nodo`, keyed by its section.
// Failures are passed over statement by statement; `puntoControl` runs at
// the load's checkpoints 2 to 8 to report the current error.
class CargaModeloNodos {
public:
    CargaModeloNodos(db::Connection& conLocal, AjustesUsuario ajustes, bool consolidacionVisible,
                     std::function<void()> puntoControl = {});

    void Cargar(ColeccionNodos& gcolNodo, ColeccionRegistros& gcolRegistroDB);

    // The company list query without the group, for editions without
    // consolidation.
    static QString ConsultaEmpresasSinGrupo();

private:
    void PasarExpansion();
    void LeerNodos(ColeccionNodos& gcolNodo);
    std::shared_ptr<cNodo> LeerNodo(const db::Recordset& fila);
    void LeerCampos(cNodo& nodo, db::Recordset& campos);
    void PonerRutas(ColeccionNodos& gcolNodo);
    void QuitarConsolidacion(ColeccionNodos& gcolNodo);
    void CrearRegistros(ColeccionRegistros& gcolRegistroDB);
    QString SeccionNodo(const RutaNodos& rutas, qint32 idNodo) const;
    void PuntoControl();

    db::Connection& m_con;
    AjustesUsuario m_ajustes;
    bool m_consolidacionVisible;
    std::function<void()> m_puntoControl;
};
