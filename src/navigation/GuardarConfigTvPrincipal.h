#pragma once

class ArbolNodos;
struct AjustesUsuario;

namespace db {
class Connection;
}

// Saves which nodes of the navigation tree are expanded: into the
// `Expandido` column of `Nodo` and, for every row of `Nodo`, as "1" or "0"
// under "Expandido" of the node's settings section. Rows whose nodes are not
// in the tree (branches of absent add-ins) keep their column value, which is
// saved too. A failure is reported ("GuardarConfigTvPrincipal()",
// "frmPrincipal ") and ends the saving.
void GuardarConfigTvPrincipal(const ArbolNodos& tvTreeView, db::Connection& conLocal, const AjustesUsuario& ajustes);
