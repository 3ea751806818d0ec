#include "schema/EstructuraReal.h"

#include "schema/RecuentoCenso.h"

#include "platform/db/Connection.h"
#include "platform/db/SqliteStatement.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// The catalogue is read straight from SQLite (db::SqliteStatement): these
// are questions about the file's layout, which Jet SQL has no words for.

// The layer keeps its own bookkeeping (password, counters) in tables of the
// file; they are not part of any layout.
bool EsTablaDelSistema(const QString& nombre)
{
    return nombre.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive)
        || nombre.startsWith(QLatin1String("__"))
        || nombre.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive)
        || nombre.startsWith(QLatin1String("jet_"), Qt::CaseInsensitive)
        || nombre.startsWith(QLatin1String("db_"), Qt::CaseInsensitive);
}

// SQLite numbers a key by itself only when it is declared INTEGER PRIMARY
// KEY; the layer declares counters so, with AUTOINCREMENT, which no other
// column of the table can carry.
bool EsContador(const ColumnaDef& c, const QString& sqlTabla)
{
    return c.claveprimaria && c.tipo.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0
        && sqlTabla.contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);
}

TablaDef LeerTabla(sqlite3* h, const QString& nombre, const QString& sqlTabla)
{
    TablaDef t;
    t.nombre = nombre;
    db::SqliteStatement st(h, "SELECT name, type, dflt_value, pk FROM pragma_table_info(?)");
    st.bind(1, nombre);
    while (st.step()) {
        ColumnaDef c;
        c.nombre = st.text(0);
        c.tipo = st.text(1);
        c.porDefecto = st.text(2);
        c.claveprimaria = st.integer(3) > 0;
        // The stand-in column of a table made without columns.
        if (c.nombre.startsWith(QLatin1String("__")))
            continue;
        if (EsContador(c, sqlTabla))
            c.tipo = QStringLiteral("COUNTER");
        t.columnas << c;
    }
    return t;
}

QList<IndiceDef> LeerIndices(sqlite3* h, const QString& tabla)
{
    QList<IndiceDef> indices;
    db::SqliteStatement lista(h, "SELECT name, \"unique\", origin FROM pragma_index_list(?)");
    lista.bind(1, tabla);
    while (lista.step()) {
        if (lista.text(2) != QLatin1String("c"))
            continue;
        IndiceDef i;
        i.nombre = lista.text(0);
        i.tabla = tabla;
        i.unico = lista.integer(1) != 0;
        indices << i;
    }
    for (IndiceDef& i : indices) {
        db::SqliteStatement columnas(h, "SELECT name FROM pragma_index_info(?) ORDER BY seqno");
        columnas.bind(1, i.nombre);
        while (columnas.step())
            i.columnas << columnas.text(0);
    }
    return indices;
}

// Defaults as SQLite keeps them ('', 0, -1) and as Jet writes them ("", 0,
// False) brought to one form.
QString DefectoCanonico(const QString& literal)
{
    QString d = literal.trimmed();
    while (d.size() >= 2 && d.startsWith(QLatin1Char('(')) && d.endsWith(QLatin1Char(')')))
        d = d.mid(1, d.size() - 2).trimmed();
    if (d.size() >= 2 && ((d.startsWith(QLatin1Char('"')) && d.endsWith(QLatin1Char('"')))
                          || (d.startsWith(QLatin1Char('\'')) && d.endsWith(QLatin1Char('\'')))))
        return QLatin1Char('\'') + d.mid(1, d.size() - 2) + QLatin1Char('\'');
    if (d.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("0");
    if (d.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("-1");
    if (d.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
        return QString();
    return d;
}

QString Clave(const IndiceDef& i)
{
    return (i.tabla + QLatin1Char('(') + i.columnas.join(QLatin1Char(',')) + QLatin1Char(')')).toLower();
}

void CompararColumnas(const TablaDef& esperada, const TablaDef& real, const OpcionesComparacion& opciones,
                      QStringList& diferencias)
{
    for (const ColumnaDef& e : esperada.columnas) {
        const ColumnaDef* r = real.columna(e.nombre);
        const QString nombre = esperada.nombre + QLatin1Char('.') + e.nombre;
        if (!r) {
            diferencias << QStringLiteral("falta la columna %1").arg(nombre);
            continue;
        }
        const QString te = TipoJetCanonico(e.tipo), tr = TipoJetCanonico(r->tipo);
        if (te != tr)
            diferencias << QStringLiteral("%1: tipo %2 en lugar de %3").arg(nombre, tr, te);
        if (e.claveprimaria != r->claveprimaria)
            diferencias << QStringLiteral("%1: %2 es clave principal").arg(nombre, r->claveprimaria ? QStringLiteral("sí") : QStringLiteral("no"));
        const QString de = DefectoCanonico(e.porDefecto), dr = DefectoCanonico(r->porDefecto);
        if (opciones.compararPorDefecto && de != dr)
            diferencias << QStringLiteral("%1: valor por defecto <%2> en lugar de <%3>").arg(nombre, dr, de);
    }
    for (const ColumnaDef& r : real.columnas) {
        if (!esperada.columna(r.nombre))
            diferencias << QStringLiteral("sobra la columna %1.%2").arg(esperada.nombre, r.nombre);
    }
}

void CompararIndices(const EsquemaDef& esperado, const EsquemaDef& real, QStringList& diferencias)
{
    QHash<QString, const IndiceDef*> reales;
    for (const IndiceDef& i : real.indices)
        reales.insert(Clave(i), &i);
    QHash<QString, const IndiceDef*> esperados;
    for (const IndiceDef& i : esperado.indices) {
        esperados.insert(Clave(i), &i);
        const IndiceDef* r = reales.value(Clave(i));
        if (!r)
            diferencias << QStringLiteral("falta el índice %1").arg(Clave(i));
        else if (r->unico != i.unico)
            diferencias << QStringLiteral("el índice %1 %2 es único").arg(Clave(i), r->unico ? QStringLiteral("sí") : QStringLiteral("no"));
    }
    for (const IndiceDef& r : real.indices) {
        if (!esperados.contains(Clave(r)))
            diferencias << QStringLiteral("sobra el índice %1").arg(Clave(r));
    }
}

} // namespace

EsquemaDef LeerEstructura(db::Connection& con)
{
    sqlite3* h = con.handle();
    EsquemaDef e;
    QList<QPair<QString, QString>> tablas;
    db::SqliteStatement st(h, "SELECT name, sql FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
    while (st.step())
        tablas.append({st.text(0), st.text(1)});
    for (const auto& [nombre, sql] : tablas) {
        if (EsTablaDelSistema(nombre) || EsTablaRecuentoCenso(nombre))
            continue;
        e.tablas << LeerTabla(h, nombre, sql);
        e.indices += LeerIndices(h, nombre);
    }
    return e;
}

QString TipoJetCanonico(const QString& tipoDeclarado)
{
    static const QRegularExpression conAncho(QStringLiteral("^\\s*([A-Za-z]+)\\s*\\(\\s*(\\d+)\\s*\\)\\s*$"));
    static const QHash<QString, QString> sinAncho{
        {"TEXT", "MEMO"}, {"MEMO", "MEMO"}, {"LONGTEXT", "MEMO"}, {"LONGCHAR", "MEMO"}, {"NOTE", "MEMO"},
        {"NTEXT", "MEMO"},
        {"INT", "LONG"}, {"INTEGER", "LONG"}, {"LONG", "LONG"}, {"INTEGER4", "LONG"}, {"INT4", "LONG"},
        {"SMALLINT", "SHORT"}, {"SHORT", "SHORT"}, {"INTEGER2", "SHORT"}, {"INT2", "SHORT"},
        {"BYTE", "BYTE"}, {"TINYINT", "BYTE"}, {"INTEGER1", "BYTE"},
        {"FLOAT", "DOUBLE"}, {"DOUBLE", "DOUBLE"}, {"FLOAT8", "DOUBLE"}, {"NUMBER", "DOUBLE"},
        {"REAL", "SINGLE"}, {"SINGLE", "SINGLE"}, {"FLOAT4", "SINGLE"},
        {"CURRENCY", "CURRENCY"}, {"MONEY", "CURRENCY"},
        {"BIT", "YESNO"}, {"YESNO", "YESNO"}, {"LOGICAL", "YESNO"}, {"LOGICAL1", "YESNO"}, {"BOOLEAN", "YESNO"},
        {"DATETIME", "DATETIME"}, {"DATE", "DATETIME"}, {"TIME", "DATETIME"}, {"TIMESTAMP", "DATETIME"},
        {"COUNTER", "COUNTER"}, {"AUTOINCREMENT", "COUNTER"}, {"IDENTITY", "COUNTER"}, {"AUTONUMBER", "COUNTER"},
        {"LONGBINARY", "LONGBINARY"}, {"OLEOBJECT", "LONGBINARY"}, {"GENERAL", "LONGBINARY"},
        {"IMAGE", "LONGBINARY"}, {"BLOB", "LONGBINARY"},
    };
    static const QStringList textos{"TEXT", "NVARCHAR", "VARCHAR", "CHAR", "NCHAR", "CHARACTER",
                                    "STRING", "ALPHANUMERIC", "VARYING"};

    const QRegularExpressionMatch m = conAncho.match(tipoDeclarado);
    if (m.hasMatch()) {
        const QString base = m.captured(1).toUpper();
        if (textos.contains(base))
            return QStringLiteral("TEXT(%1)").arg(m.captured(2).toInt());
        return base + QLatin1Char('(') + m.captured(2) + QLatin1Char(')');
    }
    const QString base = tipoDeclarado.trimmed().toUpper();
    return sinAncho.value(base, base);
}

QStringList CompararEstructura(const EsquemaDef& esperado, const EsquemaDef& real, const OpcionesComparacion& opciones)
{
    QStringList diferencias;
    for (const TablaDef& t : esperado.tablas) {
        const TablaDef* r = real.tabla(t.nombre);
        if (!r)
            diferencias << QStringLiteral("falta la tabla %1").arg(t.nombre);
        else
            CompararColumnas(t, *r, opciones, diferencias);
    }
    for (const TablaDef& r : real.tablas) {
        if (!esperado.tabla(r.nombre))
            diferencias << QStringLiteral("sobra la tabla %1").arg(r.nombre);
    }
    if (opciones.compararIndices)
        CompararIndices(esperado, real, diferencias);
    return diferencias;
}
