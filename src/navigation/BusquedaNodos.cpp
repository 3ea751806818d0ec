#include "navigation/BusquedaNodos.h"

#include "core/IntentarPaso.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/ErrorReporting.h"

#include <QSet>

qint32 BuscarNodo(const ColeccionNodos& nodos, const QString& caption)
{
    const QString buscado = caption.toLower();
    for (int i = 1; i <= nodos.Count(); ++i) {
        if (nodos.Item(i)->Nombre().toLower() == buscado)
            return i;
    }
    return 0;
}

qint32 BuscarCampo(const ColeccionNodos& nodos, qint32 posicionNodo, const QString& caption)
{
    const ColeccionCampos& campos = nodos.Item(posicionNodo)->colCampo();
    const QString buscado = caption.toLower();
    for (int i = 1; i <= campos.Count(); ++i) {
        if (campos.Item(i)->Nombre().toLower() == buscado)
            return i;
    }
    return 0;
}

namespace {

// Each ancestor's row is read once: its level decides, its CodPadre leads on.
QString PadreDeNivel2(db::Connection& conLocal, qint32 idNodo)
{
    // Reading a field of a node without a row is the failure reported.
    db::Recordset nodo = conLocal.Query(QStringLiteral("SELECT CodPadre FROM Nodo WHERE IDNodo = ?"), {idNodo});
    qint32 idPadre = qint32(nodo.value(QStringLiteral("CodPadre")).toInt64());
    QSet<qint32> recorridos {idNodo};
    for (;;) {
        db::Recordset padre =
            conLocal.Query(QStringLiteral("SELECT Nombre, Nivel, CodPadre FROM Nodo WHERE IDNodo = ?"), {idPadre});
        if (padre.isEOF())
            return {};
        const qint64 nivel = padre.value(QStringLiteral("Nivel")).toInt64();
        if (nivel == 2)
            return padre.value(QStringLiteral("Nombre")).toString();
        if (nivel < 2 || recorridos.contains(idPadre))
            return {};
        recorridos.insert(idPadre);
        idPadre = qint32(padre.value(QStringLiteral("CodPadre")).toInt64());
    }
}

} // namespace

QString ComprobarPadreDeNivel2(db::Connection& conLocal, qint16 idNodo, const QString& proyecto)
{
    QString padre;
    if (!IntentarPaso([&] { padre = PadreDeNivel2(conLocal, idNodo); }))
        ui::ReportError(QStringLiteral("ComprobarPadreDeNivel2()"), QStringLiteral("frmPrincipal"), proyecto);
    return padre;
}
