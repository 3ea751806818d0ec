#pragma once

#include "platform/db/Recordset.h"
#include "platform/db/Value.h"
#include "recordlist/CensoPorInstitucion.h"
#include "recordlist/OrdenConsulta.h"

#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <optional>

namespace db {
class Connection;
}

// The first and last rows of the page a list showed last, by the values of
// their query's order: the next or previous page is read from them instead
// of counting rows up to it. Its owner keeps it from one command to the next.
struct BordesPagina {
    QString sql;
    QList<db::Value> params;
    long inicio = 0;
    long leidas = 0;
    QList<db::Value> primera;
    QList<db::Value> ultima;
    // Whether the values are those of the census read by institution.
    bool porInstitucion = false;
    // The database's state when the page was read (see Recuento): the
    // edges place the next page only while it is unchanged, since a row
    // added or removed before them moves every position after it.
    std::array<qint64, 3> estado{};

    // The shape of `sql`, read once for the commands that follow.
    QString sqlOrden;
    std::shared_ptr<const OrdenConsulta> orden;

    // The census reading recognised for `sql` on a connection, with the
    // institutions it has read: kept while the database's state is
    // unchanged, so a command after another finds them again.
    struct Censo {
        QString sql;
        QList<db::Value> params;
        const void* con = nullptr;
        std::array<qint64, 3> estado{};
        std::shared_ptr<CensoPorInstitucion> lector;
    } censo;

    // The row count of `sql` with `params` as it was when the database was
    // in the state `estado`: still exact while that state is unchanged.
    struct Recuento {
        QString sql;
        QList<db::Value> params;
        long total = -1;
        std::array<qint64, 3> estado{};
    } recuento;
};

// A node's list query read one page at a time: a page comes from the query
// limited to it, and the number of rows from a count of the query without
// its order, run only when a caller needs it and a read has not already
// told it. A page of a long list so costs the database's work for that
// page, never the reading of every row into memory. The statement is Jet
// SQL, as the node stores it; `params` are bound to its "?" in order.
//
// A plain query (OrdenConsulta) is ordered with its row id last, so pages
// never overlap or skip a row among equal keys, and a page is read the
// cheapest way that gives the rows at its positions: the first one from
// the start, one next to the page in `bordes` from that page's edge row,
// one nearer the end than the start (the last one) in the opposite order
// once the count is known, any other with OFFSET. The census order is read
// institution by institution (CensoPorInstitucion) when the database has the
// index for it. The edges, the count and the census reading are kept in
// `bordes` only while the database is unchanged.
class ConsultaPaginada {
public:
    ConsultaPaginada(db::Connection& con, QString jetSql, QList<db::Value> params = {},
                     BordesPagina* bordes = nullptr);

    // The exact number of rows of the query. A read that came back short
    // already gives it; otherwise the query is counted, once, or for a
    // census of one person type read by institution, summed from the counts
    // the database keeps (CensoPorInstitucion::RecuentoGuardado).
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
    void Leer(long inicio, long filas);
    // Reads `limite` rows of a plain query after `desplazamiento` rows,
    // going the opposite way when `inversa`, and only those after the row
    // whose order values are `claves` (before it when `inversa`) when given.
    // The rows are kept in the query's order, without the order values,
    // which go to the edges of the page starting at `inicio`.
    void LeerPorOrden(const QList<db::Value>& claves, long limite, long desplazamiento, bool inversa, long inicio);
    bool EnCache(long inicio, long filas) const;
    bool BordesDeEstaConsulta();
    // What tells whether the database may have changed since: this
    // connection's changes, the commits of every other one, the schema.
    const std::array<qint64, 3>& EstadoBase();
    void GuardarRecuento();

    db::Connection& m_con;
    QString m_sql;
    QList<db::Value> m_params;
    BordesPagina* m_bordes;
    std::shared_ptr<const OrdenConsulta> m_forma;
    const OrdenConsulta& m_orden;
    std::shared_ptr<CensoPorInstitucion> m_censo;
    // Taken once: nothing this reader does changes the database.
    std::optional<std::array<qint64, 3>> m_estado;
    std::optional<long> m_total;

    bool m_leida = false;
    db::RowBlock m_pagina;
    long m_inicio = 0;
    long m_pedidas = 0;
};
