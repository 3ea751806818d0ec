#pragma once

#include "platform/addins/TiposComplemento.h"

#include <QString>
#include <QtGlobal>

class QTreeWidget;
class QTreeWidgetItem;

namespace db {
class Connection;
}

namespace addins {

// The accounting structure tree of one company and one nature (1 assets, 2
// liabilities, 3 debit, 4 credit): its headings (`Estructura`), nested by
// their codes (a heading hangs from the heading whose code is the longest
// beginning of its own), and under each heading the accounts assigned to it
// (`Rel_Estructura_Cuenta`, `Cuenta`), before its sub-headings.
//
// Keys, in column 0 under Qt::UserRole: "e" + `IDEstructura` for a heading,
// "c" + `Codigo` for an account. The tree keeps its nature and pictures, so
// the members that change the structure can load it again as it was, with
// the same node selected.
class ArbolContabilidad {
public:
    // Pictures by key, in any letter case: "Epigrafe" and "Cuenta";
    // without them, the first and the second picture of the list.
    static void Cargar(db::Connection& con, QTreeWidget& arbol, const ListaImagenes& imagenes, qint16 naturaleza,
                       qint32 empresa);
    // Loads it again after a change; `claveSeleccionada` (when not empty)
    // is the node to select, else the one selected before.
    static void Recargar(db::Connection& con, QTreeWidget& arbol, qint32 empresa,
                         const QString& claveSeleccionada = {});
    // The nature the tree was last loaded with (0: never).
    static qint16 Naturaleza(const QTreeWidget& arbol);

    static QString Clave(const QTreeWidgetItem* nodo);
    static QString ClaveEpigrafe(qint64 idEstructura);
    static QString ClaveCuenta(const QString& codigo);
    // The heading id of a heading's key ("e12"), 0 for any other node.
    static qint64 IdEpigrafe(const QTreeWidgetItem* nodo);
    // The selected node, or nullptr.
    static QTreeWidgetItem* Seleccionado(const QTreeWidget& arbol);
};

} // namespace addins
