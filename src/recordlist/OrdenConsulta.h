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
    // The same with the columns `claves` after the fields and the order
    // `orden` instead of the query's own.
    QString Pagina(const QStringList& claves, const QString& condicion, const QList<Termino>& orden,
                   bool inversa) const;
    // The statement without its order, only rows that also meet `condicion`.
    QString ConCondicion(const QString& condicion) const;

    // The condition met by the rows that come after the row whose order
    // values are `claves` (before it when `antes`), Nulls where SQLite sorts
    // them: before any value going up, after any going down. Appends the
    // values to bind to `params`.
    QString Siguientes(const QList<db::Value>& claves, bool antes, QList<db::Value>& params) const;
    static QString Siguientes(const QList<Termino>& orden, const QList<db::Value>& claves, bool antes,
                              QList<db::Value>& params);

    // The same rows as Siguientes, as ranges that an index on the order's
    // columns (the row id last) serves each by one seek: the rows equal to
    // the known row in the first i columns and after it in column i (a
    // column's Nulls a range of their own), the nearest range first. Read
    // one after another, each in the order, they give the rows in order.
    struct Tramo {
        QString condicion;
        QList<db::Value> params;
    };
    static QList<Tramo> Tramos(const QList<Termino>& orden, const QList<db::Value>& claves, bool antes);

    // Only for a plain query: the tables of its FROM, as written (empty when
    // it joins with JOIN), and the conditions its WHERE joins with AND at
    // its own level (empty when an OR, NOT or BETWEEN there makes the
    // condition no plain list of them).
    QStringList Tablas() const;
    QStringList Conjunciones() const;
    // Only for a plain query: the text of its fields, and of its WHERE
    // condition (empty without one).
    QString Campos() const;
    QString Condicion() const;

private:
    QString m_sentencia;
    QString m_sinOrden;
    bool m_top = false;
    bool m_simple = false;
    QList<Termino> m_orden;
    // For a plain query: where its FROM and WHERE begin, where its WHERE
    // condition begins (-1 without one), in m_sinOrden.
    qsizetype m_campos = -1;
    qsizetype m_from = -1;
    qsizetype m_where = -1;
    qsizetype m_condicion = -1;
};
