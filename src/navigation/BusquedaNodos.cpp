#include "navigation/BusquedaNodos.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/vb/ErrObject.h"

#include <QSet>
#include <exception>

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

QString PadreDeNivel2(db::Connection& conLocal, qint32 idNodo)
{
    QSet<qint32> recorridos;
    qint32 id = idNodo;
    while (!recorridos.contains(id)) {
        recorridos.insert(id);
        db::Recordset nodo = conLocal.Query(QStringLiteral("SELECT CodPadre FROM Nodo WHERE IDNodo = ?"), {id});
        const qint32 idPadre = qint32(nodo.value(QStringLiteral("CodPadre")).toInt64());
        db::Recordset padre =
            conLocal.Query(QStringLiteral("SELECT Nombre, Nivel FROM Nodo WHERE IDNodo = ?"), {idPadre});
        if (padre.isEOF())
            return {};
        const qint64 nivel = padre.value(QStringLiteral("Nivel")).toInt64();
        if (nivel == 2)
            return padre.value(QStringLiteral("Nombre")).toString();
        if (nivel < 2)
            return {};
        id = idPadre;
    }
    return {};
}

} // namespace

QString ComprobarPadreDeNivel2(db::Connection& conLocal, qint16 idNodo, const QString& proyecto)
{
    try {
        return PadreDeNivel2(conLocal, idNodo);
    } catch (...) {
        vb::Err().SetFromException(std::current_exception());
        ui::ReportError(QStringLiteral("ComprobarPadreDeNivel2()"), QStringLiteral("frmPrincipal"), proyecto);
        return {};
    }
}
