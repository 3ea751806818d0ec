#include "DatosListas.h"

#include "platform/db/Connection.h"
#include "schema/DefinicionEsquema.h"

#include <QDate>

namespace {

db::Value ValorDe(const ColumnaDef& c, int i)
{
    const QString tipo = c.tipo.toUpper();
    if (c.nombre.compare(u"CodTipoPersona", Qt::CaseInsensitive) == 0)
        return db::Value((i % 3) + 1);
    if (tipo == u"INT" || tipo == u"SMALLINT")
        return db::Value(i);
    if (tipo == u"BYTE")
        return db::Value((i % 250) + 1);
    if (tipo == u"FLOAT" || tipo == u"CURRENCY")
        return db::Value(i * 1.25);
    if (tipo == u"BIT")
        return db::Value(i % 2 == 0);
    if (tipo == u"LONGBINARY")
        return db::Value();
    if (tipo.startsWith(u"NVARCHAR")) {
        const int ancho = tipo.mid(9).chopped(1).toInt();
        if (c.nombre.contains(u"Fecha", Qt::CaseInsensitive) && ancho == 8)
            return db::Value(QDate(2000, 1, 1).addDays(i).toString(QStringLiteral("yyyyMMdd")));
        if (c.nombre.contains(u"Hora", Qt::CaseInsensitive) && ancho == 4)
            return db::Value(QStringLiteral("1030"));
        return db::Value((c.nombre + QString::number(i)).right(ancho));
    }
    return db::Value(c.nombre + QString::number(i));
}

bool Vacia(db::Connection& con, const QString& tabla)
{
    return con.Execute(QStringLiteral("SELECT COUNT(*) FROM [") + tabla + u']').value(0).toInt64() == 0;
}

void Llenar(db::Connection& con, const TablaDef& t, int filas)
{
    QStringList columnas;
    QStringList marcas;
    QList<const ColumnaDef*> defs;
    for (const ColumnaDef& c : t.columnas) {
        if (c.tipo.compare(u"COUNTER", Qt::CaseInsensitive) == 0)
            continue;
        columnas << u'[' + c.nombre + u']';
        marcas << QStringLiteral("?");
        defs << &c;
    }
    const QString sql = QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                            .arg(t.nombre, columnas.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")));
    for (int i = 1; i <= filas; ++i) {
        QList<db::Value> valores;
        for (const ColumnaDef* c : defs)
            valores << ValorDe(*c, i);
        con.Exec(sql, valores);
    }
}

} // namespace

QStringList LlenarTablas(db::Connection& con, const EsquemaDef& esquema, int filas)
{
    QStringList fallidas;
    for (const TablaDef& t : esquema.tablas) {
        if (t.columnas.isEmpty() || !Vacia(con, t.nombre))
            continue;
        con.BeginTrans();
        try {
            Llenar(con, t, filas);
            con.CommitTrans();
        } catch (...) {
            con.RollbackTrans();
            fallidas << t.nombre;
        }
    }
    return fallidas;
}
