#pragma once

#include <QtGlobal>

namespace db {
class Connection;
}

namespace PVAPI {

struct cInfoConfiguracion;

// The record dialogs of institutions, towns and provinces that the shared
// service object (cDuzediv) carries: each member is the whole command,
// dialog, confirmation and messages included. `lngID` is the record's id.
// The service object forwards to one implementation of this, which tests
// replace.
class IRegistrosDuzediv {
public:
    virtual ~IRegistrosDuzediv() = default;

    virtual void NuevaInstitucion(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaInstitucion(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig) = 0;

    virtual void NuevoMunicipio(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaMunicipio(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaMunicipio(db::Connection& conLocal, qint32& lngID) = 0;

    virtual void NuevaProvincia(db::Connection& conLocal, cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EditaProvincia(db::Connection& conLocal, qint32& lngID, cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminaProvincia(db::Connection& conLocal, qint32& lngID) = 0;
};

} // namespace PVAPI
