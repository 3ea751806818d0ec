#include "recordlist/ConsultaPaginada.h"

#include "platform/db/Connection.h"

#include <algorithm>
#include <vector>

ConsultaPaginada::ConsultaPaginada(db::Connection& con, QString jetSql, QList<db::Value> params, BordesPagina* bordes)
    : m_con(con), m_sql(std::move(jetSql)), m_params(std::move(params)), m_bordes(bordes),
      m_forma(m_bordes && m_bordes->orden && m_bordes->sqlOrden == m_sql ? m_bordes->orden
                                                                        : std::make_shared<const OrdenConsulta>(m_sql)),
      m_orden(*m_forma)
{
    // Only a list read page by page gains from it: a whole result read at
    // once (the filter) costs no more sorted.
    if (!m_bordes)
        return;
    m_bordes->sqlOrden = m_sql;
    m_bordes->orden = m_forma;
    BordesPagina::Censo& censo = m_bordes->censo;
    // Whether the query is read by institution depends on the schema only;
    // a change of the data renews what the reading read of it.
    const bool mismaForma = censo.sql == m_sql && censo.params == m_params && censo.con == m_con.handle()
        && censo.estado[2] == EstadoBase()[2];
    if (mismaForma && censo.estado != EstadoBase()) {
        if (censo.lector)
            censo.lector->Renovar();
        censo.estado = EstadoBase();
    } else if (!mismaForma) {
        std::optional<CensoPorInstitucion> lector = CensoPorInstitucion::Reconocer(m_con, m_orden, m_params);
        censo = {m_sql, m_params, m_con.handle(), EstadoBase(),
                 lector ? std::make_shared<CensoPorInstitucion>(std::move(*lector)) : nullptr};
    }
    m_censo = censo.lector;
}

const std::array<qint64, 3>& ConsultaPaginada::EstadoBase()
{
    if (!m_estado)
        m_estado = m_con.ChangeStamp();
    return *m_estado;
}

void ConsultaPaginada::GuardarRecuento()
{
    if (m_bordes && m_total)
        m_bordes->recuento = {m_sql, m_params, *m_total, EstadoBase()};
}

long ConsultaPaginada::RecordCount()
{
    if (!m_total && m_bordes && m_bordes->recuento.total >= 0 && m_bordes->recuento.sql == m_sql
        && m_bordes->recuento.params == m_params && m_bordes->recuento.estado == EstadoBase())
        m_total = m_bordes->recuento.total;
    if (!m_total && m_censo) {
        // The census of one person type is summed from the counts the
        // database keeps, instead of counted row by row.
        if (const std::optional<long> guardado = m_censo->RecuentoGuardado()) {
            m_total = *guardado;
            GuardarRecuento();
        }
    }
    if (!m_total) {
        // The order changes no count, but SQLite would still sort for it;
        // with TOP it decides which rows there are.
        const QString& base = m_orden.TieneTop() ? m_orden.Sentencia() : m_orden.SinOrden();
        m_total = long(m_con.Query(QStringLiteral("SELECT COUNT(*) FROM (") + base + QStringLiteral(")"), m_params)
                           .value(0)
                           .toInt64());
        GuardarRecuento();
    }
    return *m_total;
}

db::RowBlock ConsultaPaginada::LeerPagina(long inicio, long filas)
{
    filas = std::max(0L, filas);
    if (!EnCache(inicio, filas)) {
        Leer(inicio, filas);
        m_leida = true;
        m_inicio = inicio;
        m_pedidas = filas;
        // A short read reached the end: the row count is known.
        const long leidas = m_pagina.RecordCount();
        if (!m_total && leidas < filas && (leidas > 0 || inicio == 1)) {
            m_total = std::max(1L, inicio) - 1 + leidas;
            GuardarRecuento();
        }
    }
    const long n = std::min(filas, long(m_pagina.RecordCount()));
    if (n <= 0)
        return {};
    if (n == m_pagina.RecordCount())
        return m_pagina;
    const int campos = m_pagina.FieldCount();
    std::vector<db::Value> valores;
    valores.reserve(std::size_t(n) * campos);
    for (long r = 0; r < n; ++r)
        for (int f = 0; f < campos; ++f)
            valores.push_back(m_pagina(f, int(r)));
    return db::RowBlock(campos, std::move(valores));
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
    return m_leida && inicio == m_inicio && (filas <= m_pedidas || m_pagina.RecordCount() < m_pedidas);
}

bool ConsultaPaginada::BordesDeEstaConsulta()
{
    return m_bordes && m_bordes->leidas > 0 && m_bordes->sql == m_sql && m_bordes->params == m_params
        && m_bordes->porInstitucion == (m_censo != nullptr) && m_bordes->estado == EstadoBase();
}

void ConsultaPaginada::Leer(long inicio, long filas)
{
    const long desde = std::max(0L, inicio - 1);
    if (!m_orden.Simple()) {
        // TOP becomes a LIMIT of its own, which a second LIMIT cannot follow.
        const QString sentencia = m_orden.TieneTop()
            ? QStringLiteral("SELECT * FROM (") + m_orden.Sentencia() + QStringLiteral(") LIMIT ? OFFSET ?")
            : m_orden.Sentencia() + QStringLiteral(" LIMIT ? OFFSET ?");
        QList<db::Value> params = m_params;
        params << db::Value(qint64(filas)) << db::Value(qint64(desde));
        m_pagina = db::AllRows(m_con.Query(sentencia, params));
        return;
    }
    if (desde > 0 && BordesDeEstaConsulta()) {
        if (inicio == m_bordes->inicio + m_bordes->leidas) {
            LeerPorOrden(m_bordes->ultima, filas, 0, false, inicio);
            return;
        }
        if (inicio + filas == m_bordes->inicio) {
            LeerPorOrden(m_bordes->primera, filas, 0, true, inicio);
            return;
        }
    }
    if (desde > 0 && m_total) {
        // Nearer the end than the start: counted from the end.
        const long fin = std::min<long>(*m_total, desde + filas);
        const long desdeElFinal = *m_total - fin;
        if (fin <= desde) {
            m_pagina = {};
            return;
        }
        if (desdeElFinal < desde) {
            LeerPorOrden({}, fin - desde, desdeElFinal, true, inicio);
            return;
        }
    }
    LeerPorOrden({}, filas, desde, false, inicio);
}

void ConsultaPaginada::LeerPorOrden(const QList<db::Value>& claves, long limite, long desplazamiento,
                                    bool inversa, long inicio)
{
    db::RowBlock todo;
    int columnasClave = 0;
    if (m_censo) {
        std::optional<db::RowBlock> bloque = m_censo->Leer(claves, limite, desplazamiento, inversa);
        if (!bloque) {
            // The edge row's institution is gone: the page by its position.
            inversa = false;
            bloque = m_censo->Leer({}, limite, std::max(0L, inicio - 1), false);
        }
        todo = std::move(*bloque);
        columnasClave = m_censo->ColumnasClave();
    } else {
        QList<db::Value> params = m_params;
        QString condicion;
        if (!claves.isEmpty())
            condicion = m_orden.Siguientes(claves, inversa, params);
        params << db::Value(qint64(limite)) << db::Value(qint64(desplazamiento));
        todo = db::AllRows(m_con.Query(m_orden.Pagina(m_bordes != nullptr, condicion, inversa), params));
        columnasClave = m_bordes ? int(m_orden.Orden().size()) : 0;
    }
    const int n = todo.RecordCount();
    if (n == 0) {
        m_pagina = {};
        return;
    }
    const int campos = todo.FieldCount() - columnasClave;
    std::vector<db::Value> valores;
    valores.reserve(std::size_t(n) * campos);
    for (int i = 0; i < n; ++i) {
        const int r = inversa ? n - 1 - i : i;
        for (int f = 0; f < campos; ++f)
            valores.push_back(todo(f, r));
    }
    m_pagina = db::RowBlock(campos, std::move(valores));
    if (!m_bordes)
        return;
    const auto clavesDe = [&](int r) {
        QList<db::Value> k;
        for (int f = campos; f < todo.FieldCount(); ++f)
            k << todo(f, r);
        return k;
    };
    m_bordes->sql = m_sql;
    m_bordes->params = m_params;
    m_bordes->inicio = inicio;
    m_bordes->leidas = n;
    m_bordes->porInstitucion = (m_censo != nullptr);
    m_bordes->estado = EstadoBase();
    m_bordes->primera = clavesDe(inversa ? n - 1 : 0);
    m_bordes->ultima = clavesDe(inversa ? 0 : n - 1);
}
