#pragma once

#include "platform/db/Value.h"

#include <QList>
#include <QString>

// The shape of a node's list query that reading it by pages depends on: the
// statement without its closing ORDER BY (enough to count it) and, for a
// plain query, its order as a list of columns that ends in the row id (the
// query's last field), so that equal keys still come in one fixed order.
//
// A plain query is one SELECT without TOP, DISTINCT, GROUP BY, HAVING or
// UNION, ordered by column names, whose last field is a column name. Its
// pages can be read from either end and next to a known row; any other
// query is read with LIMIT and OFFSET as it stands.
class OrdenConsulta {
public:
    struct Termino {
        QString columna;
        bool descendente = false;
    };

    explicit OrdenConsulta(const QString& jetSql);

    // The statement, blanks and closing ";" removed.
    const QString& Sentencia() const { return m_sentencia; }
    // The statement without its closing ORDER BY, if it has one.
    const QString& SinOrden() const { return m_sinOrden; }
    bool TieneTop() const { return m_top; }
    bool Simple() const { return m_simple; }

    // Only for a plain query: its order, the row id last.
    const QList<Termino>& Orden() const { return m_orden; }

    // The statement of a page of a plain query: its fields, then the value
    // of every order column when `conClaves`; only rows that meet
    // `condicion` (no condition when empty); in the query's order or, when
    // `inversa`, in exactly the opposite one; ending in "LIMIT ? OFFSET ?".
    QString Pagina(bool conClaves, const QString& condicion, bool inversa) const;

    // The condition met by the rows that come after the row whose order
    // values are `claves` (before it when `antes`), Nulls where SQLite sorts
    // them: before any value going up, after any going down. Appends the
    // values to bind to `params`.
    QString Siguientes(const QList<db::Value>& claves, bool antes, QList<db::Value>& params) const;

private:
    QString m_sentencia;
    QString m_sinOrden;
    bool m_top = false;
    bool m_simple = false;
    QList<Termino> m_orden;
    // For a plain query: where its FROM and WHERE begin, where its WHERE
    // condition begins (-1 without one), in m_sinOrden.
    qsizetype m_from = -1;
    qsizetype m_where = -1;
    qsizetype m_condicion = -1;
};
