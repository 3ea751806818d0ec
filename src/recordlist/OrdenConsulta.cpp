#include "recordlist/OrdenConsulta.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// A word or a comma outside literals, brackets and parentheses.
struct Pieza {
    qsizetype inicio;
    qsizetype fin;
    QString palabra;  // upper case; empty for a comma
};

bool EsLetra(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The words and commas of the statement's own level: what lies inside
// quotes, brackets, dates or parentheses is skipped.
QList<Pieza> PiezasDeNivel(const QString& s)
{
    QList<Pieza> piezas;
    int nivel = 0;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s.at(i);
        if (c == u'\'' || c == u'"' || c == u'[' || c == u'#') {
            const QChar cierre = c == u'[' ? QChar(u']') : c;
            qsizetype j = i + 1;
            while (j < s.size() && s.at(j) != cierre)
                ++j;
            i = j + 1;
        } else if (c == u'(') {
            ++nivel;
            ++i;
        } else if (c == u')') {
            --nivel;
            ++i;
        } else if (nivel == 0 && c == u',') {
            piezas.append({i, i + 1, QString()});
            ++i;
        } else if (EsLetra(c)) {
            qsizetype j = i;
            while (j < s.size() && EsLetra(s.at(j)))
                ++j;
            if (nivel == 0)
                piezas.append({i, j, s.mid(i, j - i).toUpper()});
            i = j;
        } else {
            ++i;
        }
    }
    return piezas;
}

// "Tabla.Campo", "Campo", "[Tabla].[Campo]".
bool EsColumna(const QString& texto)
{
    static const QRegularExpression columna(
        QStringLiteral("^(\\[[^\\]]+\\]|[^\\W\\d]\\w*)(\\.(\\[[^\\]]+\\]|\\w+))?$"),
        QRegularExpression::UseUnicodePropertiesOption);
    return columna.match(texto).hasMatch();
}

QString SinCierre(const QString& sql)
{
    QString s = sql.trimmed();
    while (s.endsWith(u';'))
        s = s.chopped(1).trimmed();
    return s;
}

// The texts between the commas of [desde, hasta).
QStringList Partes(const QString& s, const QList<Pieza>& piezas, qsizetype desde, qsizetype hasta)
{
    QStringList partes;
    qsizetype inicio = desde;
    for (const Pieza& p : piezas) {
        if (p.inicio < desde || p.inicio >= hasta || !p.palabra.isEmpty())
            continue;
        partes << s.mid(inicio, p.inicio - inicio).trimmed();
        inicio = p.fin;
    }
    partes << s.mid(inicio, hasta - inicio).trimmed();
    return partes;
}

} // namespace

OrdenConsulta::OrdenConsulta(const QString& jetSql) : m_sentencia(SinCierre(jetSql)), m_sinOrden(m_sentencia)
{
    const QList<Pieza> piezas = PiezasDeNivel(m_sentencia);
    qsizetype orden = -1;
    qsizetype porOrden = -1;
    bool otras = false;
    for (qsizetype k = 0; k < piezas.size(); ++k) {
        const QString& w = piezas.at(k).palabra;
        if (w == u"TOP")
            m_top = true;
        else if (w == u"DISTINCT" || w == u"DISTINCTROW" || w == u"GROUP" || w == u"HAVING" || w == u"UNION")
            otras = true;
        else if (w == u"ORDER" && k + 1 < piezas.size() && piezas.at(k + 1).palabra == u"BY") {
            orden = piezas.at(k).inicio;
            porOrden = piezas.at(k + 1).fin;
        }
    }
    if (orden < 0)
        return;
    m_sinOrden = m_sentencia.left(orden).trimmed();
    if (m_top || otras || piezas.isEmpty() || piezas.first().palabra != u"SELECT")
        return;

    // The fields run from SELECT to the first FROM, the WHERE condition from
    // the WHERE after it to the ORDER BY.
    qsizetype desde = piezas.first().fin;
    if (piezas.size() > 1 && piezas.at(1).palabra == u"ALL")
        desde = piezas.at(1).fin;
    for (const Pieza& p : piezas) {
        if (p.palabra == u"FROM" && m_from < 0)
            m_from = p.inicio;
        else if (p.palabra == u"WHERE" && m_from >= 0 && m_where < 0) {
            m_where = p.inicio;
            m_condicion = p.fin;
        }
    }
    if (m_from < 0)
        return;
    m_campos = desde;
    static const QRegularExpression alias(QStringLiteral("^(.*\\S)\\s+AS\\s+(\\[[^\\]]+\\]|\\S+)$"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    // An order term naming a field's alias is no column a condition can use.
    QStringList nombresAlias;
    QString id;
    for (const QString& campo : Partes(m_sentencia, piezas, desde, m_from)) {
        id = campo;
        if (const QRegularExpressionMatch m = alias.match(campo); m.hasMatch()) {
            id = m.captured(1).trimmed();
            QString nombre = m.captured(2);
            if (nombre.startsWith(u'[') && nombre.endsWith(u']'))
                nombre = nombre.mid(1, nombre.size() - 2);
            nombresAlias << nombre;
        }
    }
    if (!EsColumna(id))
        return;

    bool conId = false;
    for (QString t : Partes(m_sentencia, piezas, porOrden, m_sentencia.size())) {
        Termino termino;
        static const QRegularExpression sentido(QStringLiteral("\\s+(ASC|DESC)$"),
                                                QRegularExpression::CaseInsensitiveOption);
        if (const QRegularExpressionMatch m = sentido.match(t); m.hasMatch()) {
            termino.descendente = m.captured(1).compare(u"DESC", Qt::CaseInsensitive) == 0;
            t = t.left(m.capturedStart()).trimmed();
        }
        QString nombre = t;
        if (nombre.startsWith(u'[') && nombre.endsWith(u']'))
            nombre = nombre.mid(1, nombre.size() - 2);
        if (!EsColumna(t) || nombresAlias.contains(nombre, Qt::CaseInsensitive))
            return;
        termino.columna = t;
        conId = conId || t.compare(id, Qt::CaseInsensitive) == 0;
        m_orden.append(termino);
    }
    if (!conId)
        m_orden.append({id, false});
    m_simple = true;
}

QString OrdenConsulta::Pagina(bool conClaves, const QString& condicion, bool inversa) const
{
    QStringList claves;
    if (conClaves) {
        for (const Termino& t : m_orden)
            claves << t.columna;
    }
    return Pagina(claves, condicion, m_orden, inversa);
}

QString OrdenConsulta::ConCondicion(const QString& condicion) const
{
    if (condicion.isEmpty())
        return m_sinOrden;
    if (m_where >= 0)
        return m_sinOrden.left(m_condicion) + QStringLiteral(" (") + m_sinOrden.mid(m_condicion).trimmed()
            + QStringLiteral(") AND (") + condicion + u')';
    return m_sinOrden + QStringLiteral(" WHERE ") + condicion;
}

QString OrdenConsulta::Pagina(const QStringList& claves, const QString& condicion, const QList<Termino>& orden,
                              bool inversa) const
{
    QString s = ConCondicion(condicion);
    if (!claves.isEmpty())
        s.insert(m_from, QStringLiteral(", ") + claves.join(QStringLiteral(", ")) + u' ');
    QString texto;
    for (const Termino& t : orden) {
        if (!texto.isEmpty())
            texto += QStringLiteral(", ");
        texto += t.columna + (t.descendente != inversa ? QStringLiteral(" DESC") : QString());
    }
    return s + QStringLiteral(" ORDER BY ") + texto + QStringLiteral(" LIMIT ? OFFSET ?");
}

QStringList OrdenConsulta::Tablas() const
{
    if (!m_simple)
        return {};
    const qsizetype fin = m_where >= 0 ? m_where : m_sinOrden.size();
    const QString origen = m_sinOrden.mid(m_from + 4, fin - m_from - 4);
    const QList<Pieza> piezas = PiezasDeNivel(origen);
    for (const Pieza& p : piezas) {
        if (p.palabra == u"JOIN")
            return {};
    }
    return Partes(origen, piezas, 0, origen.size());
}

QString OrdenConsulta::Campos() const
{
    return m_simple ? m_sinOrden.mid(m_campos, m_from - m_campos).trimmed() : QString();
}

QString OrdenConsulta::Condicion() const
{
    return m_simple && m_where >= 0 ? m_sinOrden.mid(m_condicion).trimmed() : QString();
}

QStringList OrdenConsulta::Conjunciones() const
{
    if (!m_simple || m_where < 0)
        return {};
    const QString condicion = m_sinOrden.mid(m_condicion);
    QStringList partes;
    qsizetype inicio = 0;
    for (const Pieza& p : PiezasDeNivel(condicion)) {
        if (p.palabra == u"OR" || p.palabra == u"NOT" || p.palabra == u"BETWEEN")
            return {};
        if (p.palabra == u"AND") {
            partes << condicion.mid(inicio, p.inicio - inicio).trimmed();
            inicio = p.fin;
        }
    }
    partes << condicion.mid(inicio).trimmed();
    return partes;
}

QString OrdenConsulta::Siguientes(const QList<db::Value>& claves, bool antes, QList<db::Value>& params) const
{
    return Siguientes(m_orden, claves, antes, params);
}

QString OrdenConsulta::Siguientes(const QList<Termino>& orden, const QList<db::Value>& claves, bool antes,
                                  QList<db::Value>& params)
{
    // Nested from the first column: after the key in it, or equal to it and
    // after the row in the columns that follow. Each column is compared at
    // most twice per row.
    QString condicion;
    int abiertos = 0;
    for (qsizetype i = 0; i < orden.size() && i < claves.size(); ++i) {
        const QString& c = orden.at(i).columna;
        const db::Value& k = claves.at(i);
        const bool baja = orden.at(i).descendente != antes;
        const bool ultima = i + 1 == orden.size() || i + 1 == claves.size();
        QString despues;
        if (k.isNull()) {
            if (!baja)
                despues = c + QStringLiteral(" IS NOT NULL");
        } else {
            despues = baja ? QStringLiteral("(") + c + QStringLiteral(" < ? OR ") + c + QStringLiteral(" IS NULL)")
                           : c + QStringLiteral(" > ?");
            params << k;
        }
        if (ultima) {
            condicion += despues.isEmpty() ? QStringLiteral("0 = 1") : despues;
            break;
        }
        if (!despues.isEmpty())
            condicion += u'(' + despues + QStringLiteral(" OR ");
        else
            condicion += u'(';
        ++abiertos;
        if (k.isNull()) {
            condicion += c + QStringLiteral(" IS NULL AND ");
        } else {
            condicion += c + QStringLiteral(" = ? AND ");
            params << k;
        }
    }
    condicion += QString(abiertos, u')');
    return condicion.isEmpty() ? QStringLiteral("0 = 1") : condicion;
}

QList<OrdenConsulta::Tramo> OrdenConsulta::Tramos(const QList<Termino>& orden, const QList<db::Value>& claves,
                                                 bool antes)
{
    const qsizetype n = std::min(orden.size(), claves.size());
    QList<Tramo> tramos;
    for (qsizetype i = n - 1; i >= 0; --i) {
        // Equal to the known row before column i.
        Tramo igual;
        for (qsizetype j = 0; j < i; ++j) {
            const QString& c = orden.at(j).columna;
            if (claves.at(j).isNull()) {
                igual.condicion += c + QStringLiteral(" IS NULL AND ");
            } else {
                igual.condicion += c + QStringLiteral(" = ? AND ");
                igual.params << claves.at(j);
            }
        }
        // The last column is the row id: a bound on it that SQLite could
        // carry across the join would lead it away from the order's index,
        // so it only filters the rows of the equal range.
        const QString c = i == n - 1 && n > 1 ? u'+' + orden.at(i).columna : orden.at(i).columna;
        const db::Value& k = claves.at(i);
        const bool baja = orden.at(i).descendente != antes;
        const auto tramo = [&](const QString& condicion, const QList<db::Value>& params) {
            tramos.append({igual.condicion + condicion, igual.params + params});
        };
        if (k.isNull()) {
            // Nulls come first going up: every value follows.
            if (!baja)
                tramo(c + QStringLiteral(" IS NOT NULL"), {});
        } else if (baja) {
            tramo(c + QStringLiteral(" < ?"), {k});
            tramo(c + QStringLiteral(" IS NULL"), {});
        } else {
            tramo(c + QStringLiteral(" > ?"), {k});
        }
    }
    return tramos;
}
