#include "NvBancos/BancosSustituto.h"

#include "comun/AvisoNoDisponible.h"
#include "comun/TablasRegistroBancos.h"
#include "platform/db/Recordset.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroError.h"
#include "platform/ui/UiConstants.h"
#include "comun/ModuloDeUnaClase.h"

namespace addins {

void BancosSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("NvBancos"), QString::fromLatin1(funcion));
}

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

void BancosSustituto::EliminaBanco(db::Connection&, qint32&, const QString&)
{
    NoDisponible("EliminaBanco");
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::BancosSustituto)
