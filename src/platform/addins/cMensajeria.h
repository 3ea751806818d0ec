#pragma once

#include "platform/addins/Complemento.h"
#include "platform/addins/TiposComplemento.h"

namespace addins {

// The messaging add-in ("PVMensajeria.cMensajeria"): the parish's internal
// messages, their exchange with the message server and the mail accounts.
//
// Every member is the add-in's whole command, dialogs and messages included.
// Arguments keep the order in which the program has always passed them (the
// message id comes first in two of them); a non-const reference is an
// argument the add-in may change for the caller. The operation codes are
// those of PVAPI's cCOperacion.
class cMensajeria : public Complemento {
public:
    static constexpr const char* NombreClase = "PVMensajeria.cMensajeria";
    ~cMensajeria() override;

    virtual void NuevoMensaje(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void PropiedadesMensaje(qint32& lngID, db::Connection& conLocal,
                                    PVAPI::cInfoConfiguracion& objInfoConfig) = 0;
    virtual void EliminarMensaje(db::Connection& conLocal, qint32& lngID) = 0;
    virtual void ReenviarMensaje(qint32& lngID, db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) = 0;

    virtual void EnviarRecibirMensajes(db::Connection& conLocal, quint8 bytOperacion) = 0;
    virtual void ImportarMensaje(db::Connection& conLocal, qint16& intOperacion) = 0;
    virtual void ExportarMensaje(db::Connection& conLocal, qint16& intOperacion, qint32& lngID) = 0;
    // `strIdentificacion`: who this installation is, for the server.
    virtual void ConexionServidor(db::Connection& conLocal, qint16 intOperacion, QString& strIdentificacion) = 0;
    virtual void AsistenteCuentasCorreo(db::Connection& conLocal) = 0;
};

} // namespace addins
