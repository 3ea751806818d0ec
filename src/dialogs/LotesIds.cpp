#include "dialogs/LotesIds.h"

#include "platform/db/Connection.h"

#include <algorithm>
#include <functional>

namespace LotesIds {

namespace {

QList<qint64> Ordenados(QList<qint64> ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

void AnadirFilas(db::Recordset rs, QList<qint64>& ids)
{
    for (; !rs.isEOF(); rs.MoveNext()) {
        const db::Value valor = rs.value(0);
        if (!valor.isNull())
            ids << valor.toInt64();
    }
}

void PorLotes(const QString& sql, const QList<qint64>& ids, const std::function<void(const QString&, const QList<db::Value>&)>& hacer)
{
    if (ids.isEmpty())
        return;
    QStringList marcas(kTamanoLote, QStringLiteral("?"));
    QString texto = sql;
    texto.replace(kMarcas, marcas.join(QStringLiteral(", ")));
    for (qsizetype inicio = 0; inicio < ids.size(); inicio += kTamanoLote) {
        QList<db::Value> lote;
        lote.reserve(kTamanoLote);
        const qsizetype fin = std::min<qsizetype>(inicio + kTamanoLote, ids.size());
        for (qsizetype i = inicio; i < fin; ++i)
            lote << db::Value(ids.at(i));
        while (lote.size() < kTamanoLote)
            lote << db::Value(ids.at(fin - 1));
        hacer(texto, lote);
    }
}

} // namespace

QList<qint64> Leer(db::Connection& con, const QString& sql, const QList<db::Value>& parametros)
{
    QList<qint64> ids;
    AnadirFilas(con.Query(sql, parametros), ids);
    return Ordenados(std::move(ids));
}

QList<qint64> LeerEnLotes(db::Connection& con, const QString& sql, const QList<qint64>& ids)
{
    QList<qint64> leidos;
    PorLotes(sql, ids, [&](const QString& texto, const QList<db::Value>& lote) {
        AnadirFilas(con.Query(texto, lote), leidos);
    });
    return Ordenados(std::move(leidos));
}

void Ejecutar(db::Connection& con, const QString& sql, const QList<qint64>& ids)
{
    PorLotes(sql, ids, [&](const QString& texto, const QList<db::Value>& lote) { con.Exec(texto, lote); });
}

QList<qint64> Unir(std::initializer_list<QList<qint64>> listas)
{
    QList<qint64> ids;
    for (const QList<qint64>& lista : listas)
        ids << lista;
    return Ordenados(std::move(ids));
}

} // namespace LotesIds
