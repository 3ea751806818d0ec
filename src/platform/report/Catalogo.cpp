#include "platform/report/Catalogo.h"

#include "platform/db/Connection.h"
#include "platform/report/ErroresInforme.h"

namespace report {

namespace {

// Names that cannot be written safely between brackets are treated as
// unknown; none of the database's own names has them.
bool NombreCitable(const QString& nombre)
{
    return !nombre.isEmpty() && !nombre.contains(u'[') && !nombre.contains(u']');
}

} // namespace

Catalogo::Catalogo(db::Connection& con)
    : m_con(con)
{
    db::Recordset rs = con.Query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = ?"), {"table"});
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString nombre = rs.value(0).toString();
        if (NombreCitable(nombre) && !nombre.startsWith(QLatin1String("sqlite_"))
            && !nombre.startsWith(QLatin1String("__duz")))
            m_tablas.insert(nombre.toCaseFolded(), nombre);
    }
}

QString Catalogo::tabla(const QString& nombre) const
{
    const QString encontrada = m_tablas.value(nombre.trimmed().toCaseFolded());
    if (encontrada.isEmpty())
        err::Lanzar(err::TablaDesconocida, {nombre});
    return encontrada;
}

QString Catalogo::columna(const QString& tabla, const QString& nombre)
{
    const QString t = this->tabla(tabla);
    const QString encontrada = columnas(t).value(nombre.trimmed().toCaseFolded());
    if (encontrada.isEmpty())
        err::Lanzar(err::CampoDesconocido, {t, nombre});
    return encontrada;
}

QString Catalogo::Citar(const QString& nombre)
{
    return QLatin1Char('[') + nombre + QLatin1Char(']');
}

const QHash<QString, QString>& Catalogo::columnas(const QString& tabla)
{
    auto it = m_columnas.find(tabla);
    if (it != m_columnas.end())
        return *it;
    QHash<QString, QString> nombres;
    // `tabla` comes from the catalogue itself, so quoting it is safe.
    db::Recordset rs = m_con.Execute(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(Citar(tabla)));
    const db::Fields campos = rs.Fields();
    for (int i = 0; i < campos.Count(); ++i) {
        if (NombreCitable(campos[i].Name()) && !campos[i].Name().startsWith(QLatin1String("__duz")))
            nombres.insert(campos[i].Name().toCaseFolded(), campos[i].Name());
    }
    return *m_columnas.insert(tabla, nombres);
}

} // namespace report
