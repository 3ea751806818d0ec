#include "NvBancos/BancosSustituto.h"

#include "comun/AvisoNoDisponible.h"
#include "comun/ModuloDeUnaClase.h"

namespace addins {

void BancosSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("NvBancos"), QString::fromLatin1(funcion));
}

void BancosSustituto::NuevoBanco(db::Connection&, const QString&)
{
    NoDisponible("NuevoBanco");
}

void BancosSustituto::EditaBanco(db::Connection&, qint32&, const QString&, db::Recordset&, bool& blnCambiado)
{
    NoDisponible("EditaBanco");
    blnCambiado = false;
}

void BancosSustituto::EliminaBanco(db::Connection&, qint32&, const QString&)
{
    NoDisponible("EliminaBanco");
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::BancosSustituto)
