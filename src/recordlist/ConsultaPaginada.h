#pragma once

#include "platform/db/Recordset.h"
#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <optional>

namespace db {
class Connection;
}

// A node's list query read one page at a time: a page comes from the query
// limited to it, and the number of rows from a count of the query, run only
// when a caller needs it and a read has not already told it. A page of a
// long list so costs the database's work for that page, never the reading
// of every row into memory. The statement is Jet SQL, as the node stores
// it; `params` are bound to its "?" in order.
class ConsultaPaginada {
public:
    ConsultaPaginada(db::Connection& con, QString jetSql, QList<db::Value> params = {});

    // The exact number of rows of the query. A read that came back short
    // already gives it; otherwise the query is counted, once.
    long RecordCount();

    // Up to `filas` rows from the 1-based position `inicio`; no rows past
    // the end. Reading the same start again for as many rows or fewer reuses
    // the rows already read.
    db::RowBlock LeerPagina(long inicio, long filas);

    // Whether the query has a row at the 1-based `posicion` (every query
    // has one before its first). Unless the count is already known, this
    // reads the `filas` rows from there (at least one) instead of counting
    // the whole query: the page that starts there, read once for both.
    bool HayFila(long posicion, long filas);

private:
    QString SentenciaPagina() const;
    bool EnCache(long inicio, long filas) const;

    db::Connection& m_con;
    QString m_sql;
    QList<db::Value> m_params;
    std::optional<long> m_total;

    db::Recordset m_pagina;
    long m_inicio = 0;
    long m_pedidas = 0;
};
