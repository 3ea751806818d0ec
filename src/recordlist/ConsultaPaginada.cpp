#include "recordlist/ConsultaPaginada.h"

#include "platform/db/Connection.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// The statement without the blanks, line ends and ";" that may close it, so
// that it can be wrapped or extended.
QString SinCierre(const QString& sql)
{
    QString s = sql.trimmed();
    while (s.endsWith(u';'))
        s = s.chopped(1).trimmed();
    return s;
}

// TOP n becomes a LIMIT of its own, which a second LIMIT cannot follow.
bool TieneTop(const QString& sql)
{
    static const QRegularExpression top(QStringLiteral("\\bTOP\\s+\\d"), QRegularExpression::CaseInsensitiveOption);
    return top.match(sql).hasMatch();
}

} // namespace

ConsultaPaginada::ConsultaPaginada(db::Connection& con, QString jetSql, QList<db::Value> params)
    : m_con(con), m_sql(std::move(jetSql)), m_params(std::move(params))
{
}

long ConsultaPaginada::RecordCount()
{
    if (!m_total) {
        const QString cuenta = QStringLiteral("SELECT COUNT(*) FROM (") + SinCierre(m_sql) + QStringLiteral(")");
        m_total = long(m_con.Query(cuenta, m_params).value(0).toInt64());
    }
    return *m_total;
}

db::RowBlock ConsultaPaginada::LeerPagina(long inicio, long filas)
{
    filas = std::max(0L, filas);
    if (!EnCache(inicio, filas)) {
        QList<db::Value> params = m_params;
        params << db::Value(qint64(filas)) << db::Value(qint64(std::max(0L, inicio - 1)));
        m_pagina = m_con.Query(SentenciaPagina(), params);
        m_inicio = inicio;
        m_pedidas = filas;
        // A short read reached the end: the row count is known.
        const long leidas = m_pagina.RecordCount();
        if (!m_total && leidas < filas && (leidas > 0 || inicio == 1))
            m_total = inicio - 1 + leidas;
    }
    const long n = std::min(filas, m_pagina.RecordCount());
    if (n <= 0)
        return {};
    return m_pagina.GetRows(n, 1);
}

bool ConsultaPaginada::HayFila(long posicion, long filas)
{
    if (posicion < 1)
        return true;
    if (m_total)
        return posicion <= *m_total;
    return LeerPagina(posicion, std::max(1L, filas)).RecordCount() > 0;
}

bool ConsultaPaginada::EnCache(long inicio, long filas) const
{
    return m_pagina.isOpen() && inicio == m_inicio && (filas <= m_pedidas || m_pagina.RecordCount() < m_pedidas);
}

QString ConsultaPaginada::SentenciaPagina() const
{
    const QString base = SinCierre(m_sql);
    if (TieneTop(base))
        return QStringLiteral("SELECT * FROM (") + base + QStringLiteral(") LIMIT ? OFFSET ?");
    return base + QStringLiteral(" LIMIT ? OFFSET ?");
}
