#include "recordlist/CensoPorInstitucion.h"

#include "platform/db/Connection.h"
#include "platform/db/SqliteStatement.h"
#include "schema/RecuentoCenso.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

QString SinBlancos(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s+")));
    return s.toLower();
}

// Whether a condition, written without blanks in lower case, joins the
// person to the institution of its census.
bool UneInstitucion(const QString& s)
{
    return s == u"institucion.idinstitucion=padron.codinstitucionempadronado"
        || s == u"padron.codinstitucionempadronado=institucion.idinstitucion";
}

// Whether Padron has an index, neither partial nor descending, on the
// institution and then exactly `columnas`: the one that gives a group's rows
// in their order, the row id (which follows its columns) last.
bool HayIndice(db::Connection& con, const QStringList& columnas)
{
    sqlite3* h = con.handle();
    db::SqliteStatement indices(h, "SELECT name FROM pragma_index_list('Padron') WHERE partial = 0");
    QStringList nombres;
    while (indices.step())
        nombres << indices.text(0);
    for (const QString& nombre : nombres) {
        db::SqliteStatement info(h, "SELECT name, desc FROM pragma_index_xinfo(?) WHERE key = 1 ORDER BY seqno");
        info.bind(1, nombre);
        QStringList enIndice;
        bool descendente = false;
        while (info.step()) {
            enIndice << info.text(0).toLower();
            descendente = descendente || info.integer(1) != 0;
        }
        if (descendente || enIndice.size() != columnas.size() + 1
            || enIndice.first() != u"codinstitucionempadronado")
            continue;
        bool igual = true;
        for (qsizetype i = 0; i < columnas.size() && igual; ++i)
            igual = enIndice.at(i + 1) == columnas.at(i).toLower();
        if (igual)
            return true;
    }
    return false;
}

// The statement that sums the census count kept by the database for the
// query, when its condition is exactly the join of the institution, the
// join of the person type and one type, a number or a bound value, and the
// query takes no other value; empty otherwise (a filter, another
// condition), when the query is counted itself.
QString SumaRecuento(const OrdenConsulta& orden, const QList<db::Value>& params)
{
    static const QRegularExpression tipoIzquierda(QStringLiteral("^padron_tipopersona\\.codtipopersona=(\\d+|\\?)$"));
    static const QRegularExpression tipoDerecha(QStringLiteral("^(\\d+|\\?)=padron_tipopersona\\.codtipopersona$"));
    const QStringList conjunciones = orden.Conjunciones();
    if (conjunciones.size() != 3)
        return {};
    bool institucion = false;
    bool persona = false;
    QString tipo;
    for (const QString& c : conjunciones) {
        const QString s = SinBlancos(c);
        if (UneInstitucion(s)) {
            institucion = true;
        } else if (s == u"padron.idpadron=padron_tipopersona.codpadron"
                   || s == u"padron_tipopersona.codpadron=padron.idpadron") {
            persona = true;
        } else if (const QRegularExpressionMatch m = tipoIzquierda.match(s); m.hasMatch()) {
            tipo = m.captured(1);
        } else if (const QRegularExpressionMatch m = tipoDerecha.match(s); m.hasMatch()) {
            tipo = m.captured(1);
        }
    }
    if (!institucion || !persona || tipo.isEmpty() || params.size() != (tipo == u"?" ? 1 : 0))
        return {};
    return SentenciaSumaRecuentoCenso(tipo);
}

} // namespace

CensoPorInstitucion::CensoPorInstitucion(db::Connection& con, OrdenConsulta orden, QList<db::Value> params,
                                         QList<OrdenConsulta::Termino> terminos, const QString& origen,
                                         const QString& condicion)
    : m_con(&con), m_consulta(std::move(orden)), m_params(std::move(params)), m_orden(std::move(terminos))
{
    m_recuentoPorInstitucion = QStringLiteral("SELECT Institucion.IDInstitucion, COUNT(*) FROM ") + origen
        + QStringLiteral(" WHERE ") + condicion + QStringLiteral(" GROUP BY Institucion.IDInstitucion");
    m_claves << QStringLiteral("Institucion.IDInstitucion");
    for (const OrdenConsulta::Termino& t : m_orden)
        m_claves << t.columna;
}

std::optional<CensoPorInstitucion> CensoPorInstitucion::Reconocer(db::Connection& con, const OrdenConsulta& orden,
                                                                  const QList<db::Value>& params)
{
    if (!orden.Simple() || orden.Orden().size() < 2)
        return std::nullopt;
    const QList<OrdenConsulta::Termino>& terminos = orden.Orden();
    const OrdenConsulta::Termino& primero = terminos.first();
    if (primero.descendente || SinBlancos(primero.columna) != u"institucion.nombre")
        return std::nullopt;
    static const QRegularExpression dePadron(QStringLiteral("^Padron\\.([A-Za-z_][A-Za-z0-9_]*)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    QStringList columnas;
    for (qsizetype i = 1; i < terminos.size(); ++i) {
        const QRegularExpressionMatch m = dePadron.match(terminos.at(i).columna);
        if (terminos.at(i).descendente || !m.hasMatch())
            return std::nullopt;
        columnas << m.captured(1);
    }
    // The row id closes the order; the index gives it after its columns.
    if (columnas.last().compare(u"IDPadron", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    columnas.removeLast();
    if (columnas.contains(QStringLiteral("IDPadron"), Qt::CaseInsensitive))
        return std::nullopt;

    QSet<QString> tablas;
    for (const QString& t : orden.Tablas())
        tablas.insert(t.toLower());
    if (orden.Tablas().size() != 3
        || tablas != QSet<QString>{QStringLiteral("institucion"), QStringLiteral("padron"),
                                   QStringLiteral("padron_tipopersona")})
        return std::nullopt;
    const QStringList conjunciones = orden.Conjunciones();
    const bool unidas = std::any_of(conjunciones.begin(), conjunciones.end(),
                                    [](const QString& c) { return UneInstitucion(SinBlancos(c)); });
    // The count by institution leaves the fields out: none may take a value.
    if (!unidas || orden.Campos().contains(u'?') || !HayIndice(con, columnas))
        return std::nullopt;
    // The same query with its tables joined in the order the reading needs:
    // the institution, its persons by the index, their census type. Left
    // to choose, SQLite may start from the person type and sort.
    QString porNombre;
    for (const OrdenConsulta::Termino& t : terminos.mid(0, terminos.size() - 1))
        porNombre += (porNombre.isEmpty() ? QString() : QStringLiteral(", ")) + t.columna;
    const OrdenConsulta unidasEnOrden(QStringLiteral("SELECT ") + orden.Campos()
                                      + QStringLiteral(" FROM Institucion CROSS JOIN Padron CROSS JOIN "
                                                       "Padron_TipoPersona WHERE ")
                                      + orden.Condicion() + QStringLiteral(" ORDER BY ") + porNombre);
    if (!unidasEnOrden.Simple())
        return std::nullopt;
    CensoPorInstitucion censo(con, unidasEnOrden, params, terminos.mid(1), orden.Tablas().join(QStringLiteral(", ")),
                              orden.Condicion());
    censo.m_sumaRecuento = SumaRecuento(orden, params);
    return censo;
}

std::optional<long> CensoPorInstitucion::RecuentoGuardado()
{
    if (m_sumaRecuento.isEmpty())
        return std::nullopt;
    if (!m_hayRecuento)
        m_hayRecuento = HayRecuentoCenso(m_con->handle());
    if (!*m_hayRecuento)
        return std::nullopt;
    const db::Value suma = m_con->Query(m_sumaRecuento, m_params).value(0);
    return suma.isNull() ? 0L : long(suma.toInt64());
}

void CensoPorInstitucion::Renovar()
{
    m_grupos.reset();
    m_filasPorInstitucion.reset();
}

void CensoPorInstitucion::CargarGrupos()
{
    if (m_grupos)
        return;
    // Grouped by SQLite's own comparison of the names, the one the query's
    // order uses: Nulls are one group, the first.
    db::SqliteStatement st(m_con->handle(),
                           "SELECT IDInstitucion, DENSE_RANK() OVER (ORDER BY Nombre) FROM Institucion "
                           "ORDER BY Nombre, IDInstitucion");
    std::vector<QList<qint64>> grupos;
    qint64 anterior = -1;
    while (st.step()) {
        const qint64 rango = st.integer(1);
        if (rango != anterior)
            grupos.emplace_back();
        grupos.back() << st.integer(0);
        anterior = rango;
    }
    m_grupos = std::move(grupos);
}

QString CensoPorInstitucion::CondicionGrupo(const QList<qint64>& grupo, QList<db::Value>& params) const
{
    for (int lista = 0; lista < 2; ++lista)
        for (qint64 id : grupo)
            params << db::Value(id);
    // Naming the person's column as well lets SQLite start from Padron's
    // index instead of the person type's.
    if (grupo.size() == 1)
        return QStringLiteral("Institucion.IDInstitucion = ? AND Padron.CodInstitucionEmpadronado = ?");
    QString lista = QStringLiteral("?");
    for (qsizetype i = 1; i < grupo.size(); ++i)
        lista += QStringLiteral(", ?");
    return QStringLiteral("Institucion.IDInstitucion IN (") + lista
        + QStringLiteral(") AND Padron.CodInstitucionEmpadronado IN (") + lista + u')';
}

long CensoPorInstitucion::ContarGrupo(const QList<qint64>& grupo)
{
    if (!m_filasPorInstitucion) {
        QHash<qint64, long> filas;
        for (db::Recordset rs = m_con->Query(m_recuentoPorInstitucion, m_params); !rs.isEOF(); rs.MoveNext())
            filas.insert(rs.value(0).toInt64(), long(rs.value(1).toInt64()));
        m_filasPorInstitucion = std::move(filas);
    }
    long n = 0;
    for (qint64 id : grupo)
        n += m_filasPorInstitucion->value(id);
    return n;
}

db::RowBlock CensoPorInstitucion::LeerJunto(const QList<qint64>& grupo, const QList<db::Value>& desde, long limite,
                                           bool inversa)
{
    // The rows next to a known row of the group. One condition for all of
    // them nests an OR per column, which no index range serves: SQLite
    // would walk every row of the group that shares the first column with
    // the known one. Split into index ranges, each read in the order in a
    // query of its own, and joined one after another (a compound keeps its
    // parts in turn), the statement seeks each range once and stops at the
    // page's last row.
    QString sentencia;
    QList<db::Value> todos;
    for (const OrdenConsulta::Tramo& tramo : OrdenConsulta::Tramos(m_orden, desde, inversa)) {
        todos += m_params;
        const QString condicion = CondicionGrupo(grupo, todos) + QStringLiteral(" AND ") + tramo.condicion;
        todos += tramo.params;
        todos << db::Value(qint64(limite)) << db::Value(qint64(0));
        if (!sentencia.isEmpty())
            sentencia += QStringLiteral(" UNION ALL ");
        sentencia += QStringLiteral("SELECT * FROM (") + m_consulta.Pagina(m_claves, condicion, m_orden, inversa)
            + u')';
    }
    if (sentencia.isEmpty())
        return {};
    todos << db::Value(qint64(limite));
    return db::AllRows(m_con->Query(sentencia + QStringLiteral(" LIMIT ?"), todos));
}

std::optional<db::RowBlock> CensoPorInstitucion::Leer(const QList<db::Value>& claves, long limite,
                                                      long desplazamiento, bool inversa)
{
    CargarGrupos();
    const std::vector<QList<qint64>>& grupos = *m_grupos;
    const qsizetype cuantos = qsizetype(grupos.size());
    qsizetype g = inversa ? cuantos - 1 : 0;
    QList<db::Value> desde;
    if (!claves.isEmpty()) {
        const qint64 id = claves.first().toInt64();
        const auto es = [&](const QList<qint64>& grupo) { return grupo.contains(id); };
        const auto donde = std::find_if(grupos.begin(), grupos.end(), es);
        if (donde == grupos.end())
            return std::nullopt;
        g = qsizetype(donde - grupos.begin());
        desde = claves.mid(1);
    }
    // Usually one statement gives the whole page: its block is kept as read.
    std::vector<db::RowBlock> bloques;
    long leidas = 0;
    long saltar = desplazamiento;
    const auto guardar = [&](db::RowBlock bloque) {
        leidas += bloque.RecordCount();
        if (bloque.RecordCount() > 0)
            bloques.push_back(std::move(bloque));
    };
    for (; g >= 0 && g < cuantos && leidas < limite; g += inversa ? -1 : 1) {
        const QList<qint64>& grupo = grupos.at(std::size_t(g));
        if (!desde.isEmpty()) {
            guardar(LeerJunto(grupo, desde, limite, inversa));
            desde.clear();
            continue;
        }
        if (saltar > 0) {
            // Whole groups are skipped by their counts.
            const long filas = ContarGrupo(grupo);
            if (filas <= saltar) {
                saltar -= filas;
                continue;
            }
        }
        QList<db::Value> todos = m_params;
        const QString condicion = CondicionGrupo(grupo, todos);
        todos << db::Value(qint64(limite - leidas)) << db::Value(qint64(saltar));
        guardar(db::AllRows(m_con->Query(m_consulta.Pagina(m_claves, condicion, m_orden, inversa), todos)));
        saltar = 0;
    }
    if (bloques.size() == 1)
        return std::move(bloques.front());
    if (bloques.empty())
        return db::RowBlock();
    const int campos = bloques.front().FieldCount();
    std::vector<db::Value> valores;
    valores.reserve(std::size_t(leidas) * std::size_t(campos));
    for (const db::RowBlock& bloque : bloques)
        for (int r = 0; r < bloque.RecordCount(); ++r)
            for (int f = 0; f < campos; ++f)
                valores.push_back(bloque(f, r));
    return db::RowBlock(campos, std::move(valores));
}
