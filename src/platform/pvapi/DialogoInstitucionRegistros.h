#pragma once

#include "platform/pvapi/IRegistrosDuzediv.h"

namespace PVAPI {

// The record dialogs the shared service object carries (institutions,
// towns, provinces), as the implementation it forwards to: each member
// opens DialogoInstitucion, DialogoMunicipio or DialogoProvincia.
class DialogoInstitucionRegistros : public IRegistrosDuzediv {
public:
    void NuevaInstitucion(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig) override;
    void EditaInstitucion(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig) override;
    void NuevoMunicipio(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig) override;
    void EditaMunicipio(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig) override;
    void EliminaMunicipio(db::Connection& conLocal, qint32& lngID) override;
    void NuevaProvincia(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig) override;
    void EditaProvincia(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig) override;
    void EliminaProvincia(db::Connection& conLocal, qint32& lngID) override;
};

} // namespace PVAPI
