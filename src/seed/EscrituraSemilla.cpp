#include "seed/EscrituraSemilla_p.h"

#include "platform/db/Connection.h"
#include "platform/db/Counters.h"
#include "platform/vb/VbError.h"

namespace {

const QString kOrigen = QStringLiteral("cActBDDuzediv");

[[noreturn]] void Fallar(const QString& descripcion)
{
    throw vb::VbError(EscrituraSemilla::ErrTablaNoPreparada, descripcion, kOrigen);
}

qint64 Escalar(db::Connection& con, const QString& sql)
{
    db::Recordset rs = con.Execute(sql);
    if (rs.isEOF())
        return 0;
    const db::Value valor = rs.value(0);
    return valor.isNull() ? 0 : valor.toInt64();
}

} // namespace

void EscrituraSemilla::ComprobarTablaPreparada(db::Connection& con, const QString& tabla, const QString& clave)
{
    if (Escalar(con, QStringLiteral("SELECT COUNT(*) FROM ") + tabla) != 0)
        Fallar(QStringLiteral("La tabla %1 no está vacía: no se pueden escribir sus filas predeterminadas.").arg(tabla));
    if (!clave.isEmpty() && db::StoredCounter(con, tabla) != 0)
        Fallar(QStringLiteral("El contador de la tabla %1 no empieza en 1: no se pueden escribir sus filas "
                              "predeterminadas.")
                   .arg(tabla));
}

void EscrituraSemilla::ComprobarFilasEscritas(db::Connection& con, const QString& tabla, const QString& clave, long n)
{
    const qint64 filas = Escalar(con, QStringLiteral("SELECT COUNT(*) FROM ") + tabla);
    const qint64 mayor = clave.isEmpty() ? n : Escalar(con, QStringLiteral("SELECT MAX(%1) FROM %2").arg(clave, tabla));
    if (filas != n || mayor != n)
        Fallar(QStringLiteral("La tabla %1 no ha recibido los identificadores 1 a %2 de sus filas predeterminadas.")
                   .arg(tabla)
                   .arg(n));
}
