#pragma once

#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <initializer_list>

namespace db {
class Connection;
}

// Statements over a list of row ids collected earlier, a lot of ids per
// statement instead of one statement per row. The statement names the
// place of the lot's placeholders with kMarcas; every lot has the same
// number of them (the last one repeats its last id), so one translation
// and one plan serve them all.
namespace LotesIds {

inline constexpr int kTamanoLote = 500;
inline const QString kMarcas = QStringLiteral("{ids}");

// The first column of every row, as whole numbers, sorted and each once
// (Nulls left out).
QList<qint64> Leer(db::Connection& con, const QString& sql, const QList<db::Value>& parametros = {});

// The same for a statement over the ids, lot by lot.
QList<qint64> LeerEnLotes(db::Connection& con, const QString& sql, const QList<qint64>& ids);

// Runs a statement over the ids, lot by lot; nothing for no ids.
void Ejecutar(db::Connection& con, const QString& sql, const QList<qint64>& ids);

// The ids of several lists, sorted and each once.
QList<qint64> Unir(std::initializer_list<QList<qint64>> listas);

} // namespace LotesIds
