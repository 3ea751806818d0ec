#include "schema/upgrade/OperacionesColumna.h"

#include "schema/upgrade/EjecucionTolerante.h"

namespace {

QString Corchetes(const QString& nombre)
{
    return QLatin1Char('[') + nombre + QLatin1Char(']');
}

QString AlterTable(const QString& tabla)
{
    return QStringLiteral("ALTER TABLE ") + Corchetes(tabla) + QLatin1Char(' ');
}

} // namespace

OperacionesColumna::OperacionesColumna(EjecucionTolerante& ejecucion) : m_ejecucion(ejecucion) {}

// The probes never read rows: only whether the query compiles matters, and a
// table of a hundred thousand rows need not be fetched for that.
bool OperacionesColumna::Sondear(const QString& tabla, const QString& columna)
{
    return m_ejecucion.Sondear(QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(columna, tabla));
}

bool OperacionesColumna::ExisteTabla(const QString& tabla)
{
    return m_ejecucion.Sondear(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(tabla));
}

bool OperacionesColumna::AnadirOCambiar(const QString& tabla, const QString& columna, const QString& tipo,
                                        const QString& relleno, bool nombreSinCorchetes)
{
    if (Sondear(tabla, columna)) {
        m_ejecucion.Ejecutar(AlterTable(tabla) + QStringLiteral("ALTER COLUMN ") + Corchetes(columna)
                             + QLatin1Char(' ') + tipo);
        return true;
    }
    const QString nombre = nombreSinCorchetes ? columna : Corchetes(columna);
    m_ejecucion.Ejecutar(AlterTable(tabla) + QStringLiteral("ADD COLUMN ") + nombre + QLatin1Char(' ') + tipo);
    if (!relleno.isEmpty())
        m_ejecucion.Ejecutar(QStringLiteral("UPDATE %1 SET %2 = %3").arg(tabla, columna, relleno));
    return false;
}

void OperacionesColumna::CrearSiFalta(const QString& tabla)
{
    if (!ExisteTabla(tabla))
        m_ejecucion.Ejecutar(QStringLiteral("CREATE TABLE ") + Corchetes(tabla));
}

void OperacionesColumna::BorrarSiExiste(const QString& tabla, const QString& columna)
{
    if (Sondear(tabla, columna))
        m_ejecucion.Ejecutar(AlterTable(tabla) + QStringLiteral("DROP COLUMN ") + Corchetes(columna));
}

void OperacionesColumna::CambiarSinSondeo(const QString& tabla, const QString& columna, const QString& tipo)
{
    m_ejecucion.Ejecutar(AlterTable(tabla) + QStringLiteral("ALTER COLUMN ") + Corchetes(columna) + QLatin1Char(' ')
                         + tipo);
}
