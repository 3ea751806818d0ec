#include "actions/DigitosControlBanco.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/ui/Ui.h"

#include <QStringList>

namespace {

// Closes the progress window at the end, whether it was opened or not.
class ProgresoAbierto {
public:
    explicit ProgresoAbierto(PVAPI::cDuzediv& servicio) : m_servicio(servicio) {}
    ~ProgresoAbierto() { m_servicio.ProgresoUnload(); }
    ProgresoAbierto(const ProgresoAbierto&) = delete;
    ProgresoAbierto& operator=(const ProgresoAbierto&) = delete;

private:
    PVAPI::cDuzediv& m_servicio;
};

QString Nombrar(const db::Recordset& cuenta)
{
    return QStringLiteral("%1 %2 %3")
        .arg(cuenta.value(QStringLiteral("CodB")).toString(), cuenta.value(QStringLiteral("CodS")).toString(),
             cuenta.value(QStringLiteral("NumCuenta")).toString());
}

// Writes the new digits and gives the accounts that got none.
QStringList Recalcular(db::Connection& conLocal, PVAPI::cDuzediv& servicio, qint32 lngIDBanco)
{
    db::Recordset cuentas = conLocal.Query(
        QStringLiteral("SELECT IDCuenta, NumCuenta, Banco.Codigo AS CodB, Sucursal.Codigo AS CodS "
                       "FROM Cuenta, Sucursal, Banco "
                       "WHERE Cuenta.CodSucursal=Sucursal.IDSucursal AND "
                       "Sucursal.CodBanco=Banco.IDBanco AND "
                       "Banco.IDBanco=? ORDER BY IDCuenta"),
        {db::Value(lngIDBanco)});
    ProgresoAbierto progreso(servicio);
    if (cuentas.isEOF())
        return {};
    servicio.ProgresoLoad(int(cuentas.RecordCount()), QStringLiteral("Recalculando dígitos de control ..."), 1);
    QStringList sinDigitos;
    db::Transaction transaccion(conLocal);
    for (int hechas = 1; !cuentas.isEOF(); cuentas.MoveNext(), ++hechas) {
        const std::optional<QString> dc = servicio.CalculaCCC(cuentas.value(QStringLiteral("CodB")).toString(),
                                                              cuentas.value(QStringLiteral("CodS")).toString(),
                                                              cuentas.value(QStringLiteral("NumCuenta")).toString());
        if (dc)
            conLocal.Exec(QStringLiteral("UPDATE Cuenta SET DC=? WHERE IDCuenta=?"),
                          {db::Value(*dc), cuentas.value(QStringLiteral("IDCuenta"))});
        else
            sinDigitos << Nombrar(cuentas);
        servicio.ProgresoRefresh(hechas);
    }
    transaccion.Commit();
    return sinDigitos;
}

} // namespace

void RecalcularDigitosControl(db::Connection& conLocal, PVAPI::cDuzediv& servicio, qint32 lngIDBanco)
{
    const QStringList sinDigitos = Recalcular(conLocal, servicio, lngIDBanco);
    if (sinDigitos.isEmpty())
        return;
    ui::MsgBox(QStringLiteral("No se han podido calcular los dígitos de control de estas cuentas, "
                              "que conservan los que tenían:\r\n\r\n")
                   + sinDigitos.join(QStringLiteral("\r\n")),
               ui::vbOKOnly + ui::vbExclamation);
}
