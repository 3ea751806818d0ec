#include "comun/RecibosDonativo.h"

#include "platform/db/Connection.h"
#include "platform/vb/Vb.h"

#include <cmath>

namespace addins {

QString RecibosDonativo::SiguienteNumero(db::Connection& con, const QString& columna, int anio)
{
    const QString prefijo = QString::number(anio).rightJustified(4, QLatin1Char('0'));
    db::Recordset rs = con.Query(QStringLiteral("SELECT MAX(%1) FROM Recibo WHERE Left(%1, 4) = ? AND Len(%1) = 12")
                                     .arg(columna),
                                 {prefijo});
    const qint64 ultimo = rs.isEOF() || rs.value(0).isNull() ? 0 : qint64(vb::Val(rs.value(0).toString().mid(4)));
    return prefijo + QString::number(ultimo + 1).rightJustified(8, QLatin1Char('0'));
}

void RecibosDonativo::EliminarDeDonativos(db::Connection& con, const QString& condicionDonativo,
                                          const QList<db::Value>& parametros)
{
    const QString recibos = QStringLiteral("Recibo.CodDonativo IN (SELECT IDDonativo FROM Donativo WHERE %1)")
                                .arg(condicionDonativo);
    QList<qint64> remesas;
    db::Recordset rs =
        con.Query(QStringLiteral("SELECT DISTINCT CodRemesa FROM Recibo WHERE %1 AND CodRemesa <> 0").arg(recibos),
                  parametros);
    for (; !rs.isEOF(); rs.MoveNext())
        remesas << rs.value(0).toInt64();
    con.Exec(QStringLiteral("DELETE FROM Recibo WHERE %1").arg(recibos), parametros);
    RecalcularRemesas(con, remesas);
}

void RecibosDonativo::RecalcularRemesas(db::Connection& con, const QList<qint64>& remesas)
{
    for (qint64 remesa : remesas) {
        db::Recordset sumas = con.Query(
            QStringLiteral("SELECT COUNT(*), SUM(Importe), SUM(ImporteEur) FROM Recibo WHERE CodRemesa = ?"), {remesa});
        if (sumas.value(0).toInt64() == 0) {
            con.Exec(QStringLiteral("DELETE FROM Remesa WHERE IDRemesa = ?"), {remesa});
            continue;
        }
        con.Exec(QStringLiteral("UPDATE Remesa SET ImporteTotal = ?, ImporteTotalEur = ? WHERE IDRemesa = ?"),
                 {std::round(sumas.value(1).toDouble()), std::round(sumas.value(2).toDouble() * 100) / 100, remesa});
    }
}

} // namespace addins
