#include "schema/Estructura.h"

#include "schema/EstructuraReal.h"
#include "schema/RecuentoCenso.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"

namespace {

QString Corchetes(const QString& nombre)
{
    return QLatin1Char('[') + nombre + QLatin1Char(']');
}

QString DefinicionColumna(const ColumnaDef& c)
{
    QString d = Corchetes(c.nombre) + QLatin1Char(' ') + c.tipo;
    if (c.nulo)
        d += QStringLiteral(" NULL");
    if (!c.porDefecto.isEmpty())
        d += QStringLiteral(" DEFAULT ") + c.porDefecto;
    if (c.claveprimaria)
        d += QStringLiteral(" PRIMARY KEY");
    return d;
}

QString CrearTabla(const TablaDef& t)
{
    QStringList columnas;
    for (const ColumnaDef& c : t.columnas)
        columnas << DefinicionColumna(c);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(Corchetes(t.nombre), columnas.join(QStringLiteral(", ")));
}

QString CrearIndice(const IndiceDef& i)
{
    QStringList columnas;
    for (const QString& c : i.columnas)
        columnas << Corchetes(c);
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(i.unico ? QStringLiteral("UNIQUE ") : QString(), Corchetes(i.nombre), Corchetes(i.tabla),
             columnas.join(QStringLiteral(", ")));
}

} // namespace

const ColumnaDef* TablaDef::columna(const QString& nombreColumna) const
{
    for (const ColumnaDef& c : columnas) {
        if (c.nombre.compare(nombreColumna, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

const TablaDef* EsquemaDef::tabla(const QString& nombreTabla) const
{
    for (const TablaDef& t : tablas) {
        if (t.nombre.compare(nombreTabla, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

QStringList SentenciasCrearEsquema(const EsquemaDef& esquema)
{
    QStringList sentencias;
    for (const TablaDef& t : esquema.tablas)
        sentencias << CrearTabla(t);
    for (const IndiceDef& i : esquema.indices)
        sentencias << CrearIndice(i);
    return sentencias;
}

void CrearEstructura(db::Connection& con, const EsquemaDef& esquema)
{
    db::Transaction transaccion(con);
    for (const QString& sentencia : SentenciasCrearEsquema(esquema))
        con.Execute(sentencia);
    // The other columns of the one row take their defaults: the add-in flags
    // False and the texts empty, never Null.
    if (!esquema.version.isEmpty())
        con.Exec(QStringLiteral("INSERT INTO Informacion (Version) VALUES (?)"), {db::Value(esquema.version)});
    transaccion.Commit();
}

void CrearEstructuraDuzediv(db::Connection& con)
{
    db::Transaction transaccion(con);
    CrearEstructura(con, EsquemaDuzediv());
    CrearRecuentoCenso(con);
    transaccion.Commit();
}

void CrearEstructuraInformes(db::Connection& con)
{
    CrearEstructura(con, EsquemaInformes());
}

void CrearEstructuraContabilidad(db::Connection& con)
{
    CrearEstructura(con, EsquemaContabilidad());
}

int CrearIndicesQueFalten(db::Connection& con, const EsquemaDef& esquema)
{
    const EsquemaDef real = LeerEstructura(con);
    auto existe = [&](const IndiceDef& buscado) {
        for (const IndiceDef& i : real.indices) {
            if (i.tabla.compare(buscado.tabla, Qt::CaseInsensitive) == 0
                && i.columnas.join(QLatin1Char(',')).compare(buscado.columnas.join(QLatin1Char(',')),
                                                             Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    auto columnasPresentes = [&](const IndiceDef& i) {
        const TablaDef* t = real.tabla(i.tabla);
        if (!t)
            return false;
        for (const QString& c : i.columnas) {
            if (!t->columna(c))
                return false;
        }
        return true;
    };

    db::Transaction transaccion(con);
    int creados = 0;
    for (const IndiceDef& i : esquema.indices) {
        if (existe(i) || !columnasPresentes(i))
            continue;
        con.Execute(CrearIndice(i));
        ++creados;
    }
    transaccion.Commit();
    return creados;
}
