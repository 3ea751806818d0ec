#include "comun/CertificadosDonativo.h"

#include "comun/RecibosDonativo.h"
#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QApplication>
#include <QDate>
#include <QInputDialog>

namespace addins {

namespace {

// Receipts of the year without a certificate ("0" or nothing).
const QString kSinCertificado = QStringLiteral(
    "Left(Recibo.Fecha, 4) = ? AND (Recibo.NumCertificado IS NULL OR Recibo.NumCertificado = '' OR "
    "Recibo.NumCertificado = '0')");

} // namespace

int CertificadosDonativo::Generar(db::Connection& con, int anio)
{
    const QString textoAnio = QString::number(anio);
    db::Transaction transaccion(con);
    QList<qint64> donantes;
    db::Recordset rs = con.Query(QStringLiteral("SELECT DISTINCT Donativo.CodPersonaDonativo FROM Recibo, Donativo "
                                                "WHERE Recibo.CodDonativo = Donativo.IDDonativo AND %1 "
                                                "ORDER BY Donativo.CodPersonaDonativo")
                                     .arg(kSinCertificado),
                                 {textoAnio});
    for (; !rs.isEOF(); rs.MoveNext())
        donantes << rs.value(0).toInt64();
    for (qint64 donante : donantes) {
        con.Exec(QStringLiteral("UPDATE Recibo SET NumCertificado = ? WHERE %1 AND Recibo.CodDonativo IN "
                                "(SELECT IDDonativo FROM Donativo WHERE CodPersonaDonativo = ?)")
                     .arg(kSinCertificado),
                 {RecibosDonativo::SiguienteNumero(con, QStringLiteral("NumCertificado"), anio), textoAnio, donante});
    }
    transaccion.Commit();
    return int(donantes.size());
}

void CertificadosDonativo::Generar(db::Connection& con)
{
    QInputDialog pregunta(QApplication::activeWindow());
    pregunta.setObjectName(QStringLiteral("GenerarCertificado"));
    pregunta.setWindowTitle(QStringLiteral("Generar certificados"));
    pregunta.setLabelText(QStringLiteral("Año de los donativos que se certifican:"));
    pregunta.setInputMode(QInputDialog::IntInput);
    pregunta.setIntRange(1900, 9999);
    pregunta.setIntValue(QDate::currentDate().year() - 1);
    pregunta.setOkButtonText(QStringLiteral("Aceptar"));
    pregunta.setCancelButtonText(QStringLiteral("Cancelar"));
    if (widgets::DialogoRegistroEjecutor::Ejecutar(pregunta) != QDialog::Accepted)
        return;
    const int anio = pregunta.intValue();
    int hechos = 0;
    {
        ui::HourglassGuard reloj;
        hechos = Generar(con, anio);
    }
    if (hechos == 0)
        widgets::DialogoRegistroEjecutor::Mensaje(
            QStringLiteral("¡No hay recibos del año %1 sin certificado!").arg(anio), ui::vbOKOnly + ui::vbExclamation);
    else
        widgets::DialogoRegistroEjecutor::Mensaje(
            QStringLiteral("¡Se han generado %1 %2 del año %3!")
                .arg(hechos)
                .arg(hechos == 1 ? QStringLiteral("certificado de donativos") : QStringLiteral("certificados de donativos"))
                .arg(anio),
            ui::vbOKOnly + ui::vbInformation);
}

} // namespace addins
