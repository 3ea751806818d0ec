#include "platform/pvapi/DialogoInstitucionRegistros.h"

#include "platform/pvapi/DialogoInstitucion.h"
#include "platform/pvapi/DialogoMunicipio.h"
#include "platform/pvapi/DialogoProvincia.h"

namespace PVAPI {

void DialogoInstitucionRegistros::NuevaInstitucion(db::Connection& conLocal, cInfoConfiguracion&)
{
    DialogoInstitucion::Nueva(conLocal);
}

void DialogoInstitucionRegistros::EditaInstitucion(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion&)
{
    DialogoInstitucion::Edita(conLocal, lngID);
}

void DialogoInstitucionRegistros::NuevoMunicipio(db::Connection& conLocal, cInfoConfiguracion&)
{
    DialogoMunicipio::Nuevo(conLocal);
}

void DialogoInstitucionRegistros::EditaMunicipio(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion&)
{
    DialogoMunicipio::Edita(conLocal, lngID);
}

void DialogoInstitucionRegistros::EliminaMunicipio(db::Connection& conLocal, qint32& lngID)
{
    DialogoMunicipio::Elimina(conLocal, lngID);
}

void DialogoInstitucionRegistros::NuevaProvincia(db::Connection& conLocal, cInfoConfiguracion&)
{
    DialogoProvincia::Nueva(conLocal);
}

void DialogoInstitucionRegistros::EditaProvincia(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion&)
{
    DialogoProvincia::Edita(conLocal, lngID);
}

void DialogoInstitucionRegistros::EliminaProvincia(db::Connection& conLocal, qint32& lngID)
{
    DialogoProvincia::Elimina(conLocal, lngID);
}

} // namespace PVAPI
