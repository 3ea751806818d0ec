#pragma once

#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <QStringList>

// The rows a report of chosen records keeps: conditions of fixed SQL text
// joined by AND, and the values they bind in order. What the user typed is
// only ever a bound value, never part of the text.
class FiltroInforme {
public:
    // Adds "(condicion)" with its values.
    void Y(const QString& condicion, const QList<db::Value>& valores = {})
    {
        m_condiciones << QLatin1Char('(') + condicion + QLatin1Char(')');
        m_valores += valores;
    }
    bool Vacio() const { return m_condiciones.isEmpty(); }
    // " WHERE c1 AND c2" for a query without conditions of its own, or "".
    QString Donde() const { return Vacio() ? QString() : QStringLiteral(" WHERE ") + Condiciones(); }
    // " AND c1 AND c2" after a query's own conditions, or "".
    QString Ademas() const { return Vacio() ? QString() : QStringLiteral(" AND ") + Condiciones(); }
    const QList<db::Value>& Valores() const { return m_valores; }

private:
    QString Condiciones() const { return m_condiciones.join(QStringLiteral(" AND ")); }

    QStringList m_condiciones;
    QList<db::Value> m_valores;
};
