#include "navigation/GuardarConfigTvPrincipal.h"

#include "core/AjustesUsuario.h"
#include "navigation/ArbolNodos.h"
#include "navigation/ClavesNodo.h"
#include "core/IntentarPaso.h"
#include "navigation/RutaNodos.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/ui/ErrorReporting.h"

namespace {

void GuardarEnNodo(const ArbolNodos& arbol, db::Connection& conLocal)
{
    db::Transaction transaccion(conLocal);
    for (int i = 1; i <= arbol.Count(); ++i) {
        const QTreeWidgetItem* nodo = arbol.Nodo(i);
        conLocal.Exec(QStringLiteral("UPDATE Nodo SET Expandido = ? WHERE IDNodo = ?"),
                      {arbol.Expandido(nodo), IdDeClaveArbol(ArbolNodos::Clave(nodo))});
    }
    transaccion.Commit();
}

// Every row, in or out of the tree, gets its column value under its section.
void GuardarEnAjustes(db::Connection& conLocal, const AjustesUsuario& ajustes)
{
    db::Recordset filas = conLocal.Execute(QStringLiteral("SELECT * FROM Nodo"));
    const RutaNodos rutas(filas);
    for (; !filas.isEOF(); filas.MoveNext()) {
        const qint32 id = qint32(filas.value(QStringLiteral("IDNodo")).toInt64());
        const bool expandido = filas.value(QStringLiteral("Expandido")).toString() == QLatin1String("Verdadero");
        ajustes.Guardar(ajustes.SeccionNodo(rutas.Captions(id)), QStringLiteral("Expandido"),
                        expandido ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

} // namespace

void GuardarConfigTvPrincipal(const ArbolNodos& tvTreeView, db::Connection& conLocal, const AjustesUsuario& ajustes)
{
    const bool hecho = IntentarPaso([&] {
        GuardarEnNodo(tvTreeView, conLocal);
        GuardarEnAjustes(conLocal, ajustes);
    });
    if (!hecho)
        ui::ReportError(QStringLiteral("GuardarConfigTvPrincipal()"), QStringLiteral("frmPrincipal "),
                        QStringLiteral("NorviaParvanta2000.vbp"));
}
