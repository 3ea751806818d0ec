#pragma once

#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
}

namespace addins {

// Rules shared by the donation records and their receipts; each runs inside
// the caller's transaction.
class RecibosDonativo {
public:
    // The next receipt or certificate number (`columna`: "NumeroRecibo" or
    // "NumCertificado") of a year: the four digits of the year and a
    // sequence of eight, 12 characters as the column holds them.
    static QString SiguienteNumero(db::Connection& con, const QString& columna, int anio);

    // Deletes the receipts of the donations a condition picks (a hand-written
    // condition on `Donativo` with "?" for `parametros`), keeping every
    // remittance's totals the sums of its receipts.
    static void EliminarDeDonativos(db::Connection& con, const QString& condicionDonativo,
                                    const QList<db::Value>& parametros);

    // Sets the totals of these remittances to the sums of their receipts;
    // a remittance left without receipts is deleted.
    static void RecalcularRemesas(db::Connection& con, const QList<qint64>& remesas);
};

} // namespace addins
