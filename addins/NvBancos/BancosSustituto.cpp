#include "NvBancos/BancosSustituto.h"

#include "comun/TablasRegistroBancos.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroError.h"
#include "platform/ui/UiConstants.h"
#include "comun/ModuloDeUnaClase.h"

namespace addins {

void BancosSustituto::NuevoBanco(db::Connection& conLocal, const QString&)
{
    widgets::DialogoRegistro::EditarRegistro(conLocal, TablasRegistroBancos::Banco(), 0);
}

void BancosSustituto::EditaBanco(db::Connection& conLocal, qint32& lngID, const QString&,
                                 db::Recordset& rsSucursalesNoEliminables, bool& blnCambiado)
{
    blnCambiado = false;
    // The branches the caller names (accounts or presenters use them) stay.
    QSet<qint64> noEliminables;
    if (rsSucursalesNoEliminables.isOpen() && rsSucursalesNoEliminables.RecordCount() > 0) {
        for (rsSucursalesNoEliminables.MoveFirst(); !rsSucursalesNoEliminables.isEOF(); rsSucursalesNoEliminables.MoveNext())
            noEliminables.insert(rsSucursalesNoEliminables.value(QStringLiteral("IDSucursal")).toInt64());
    }
    widgets::DialogoRegistroDatos banco(TablasRegistroBancos::Banco());
    try {
        banco.Cargar(conLocal, lngID);
    } catch (const widgets::DialogoRegistroError& error) {
        widgets::DialogoRegistroEjecutor::Mensaje(error.texto(), ui::vbOKOnly + ui::vbExclamation);
        return;
    }
    banco.MarcarNoEliminables(0, noEliminables);
    blnCambiado = widgets::DialogoRegistro::Editar(conLocal, banco);
}

// Asks nothing: the program has asked, and calls it inside its own
// transaction once everything else that depended on the bank is gone. A
// branch that an account or a presenter still uses stops it with an error
// (the caller rolls back), so no account or presenter is ever left without
// its branch.
void BancosSustituto::EliminaBanco(db::Connection& conLocal, qint32& lngID, const QString&)
{
    db::Transaction transaccion(conLocal);
    db::Recordset usadas = conLocal.Query(
        QStringLiteral("SELECT Sucursal.Codigo FROM Sucursal WHERE Sucursal.CodBanco = ? AND "
                       "(EXISTS (SELECT * FROM Cuenta WHERE Cuenta.CodSucursal = Sucursal.IDSucursal) OR "
                       "EXISTS (SELECT * FROM Presentador WHERE Presentador.CodSucursal = Sucursal.IDSucursal)) "
                       "ORDER BY Sucursal.Codigo"),
        {lngID});
    if (!usadas.isEOF())
        throw vb::VbError(3200, QStringLiteral("No se puede eliminar el banco: su sucursal %1 tiene cuentas o la usa un "
                                               "presentador.")
                                    .arg(usadas.value(0).toString()));
    conLocal.Exec(QStringLiteral("DELETE FROM Sucursal WHERE CodBanco = ?"), {lngID});
    conLocal.Exec(QStringLiteral("DELETE FROM Banco WHERE IDBanco = ?"), {lngID});
    transaccion.Commit();
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::BancosSustituto)
