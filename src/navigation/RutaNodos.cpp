#include "navigation/RutaNodos.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QSet>
#include <QStringList>

RutaNodos::RutaNodos(db::Recordset& nodos)
{
    if (nodos.RecordCount() == 0)
        return;
    nodos.MoveFirst();
    while (!nodos.isEOF()) {
        Anadir(qint32(nodos.value(QStringLiteral("IDNodo")).toInt64()), nodos.value(QStringLiteral("Nombre")).toString(),
               qint32(nodos.value(QStringLiteral("CodPadre")).toInt64()));
        nodos.MoveNext();
    }
    nodos.MoveFirst();
}

RutaNodos RutaNodos::Leer(db::Connection& conLocal)
{
    db::Recordset nodos = conLocal.Execute(QStringLiteral("SELECT * FROM Nodo"));
    return RutaNodos(nodos);
}

void RutaNodos::Anadir(qint32 idNodo, const QString& nombre, qint32 codPadre)
{
    m_filas.insert(idNodo, Fila {nombre, codPadre});
}

QString RutaNodos::Captions(qint32 idNodo) const
{
    QStringList captions;
    QSet<qint32> recorridos;
    qint32 id = idNodo;
    while (id != 0 && !recorridos.contains(id)) {
        const auto fila = m_filas.constFind(id);
        if (fila == m_filas.cend())
            break;
        recorridos.insert(id);
        captions.prepend(fila->nombre);
        id = fila->codPadre;
    }
    return captions.join(QLatin1Char('\\'));
}
