#pragma once

#include "platform/addins/cMensajeria.h"

namespace addins {

// Stand-in of the messaging add-in: every command answers with the "not
// available" message and does nothing.
class MensajeriaSustituto : public cMensajeria {
public:
    void NuevoMensaje(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void PropiedadesMensaje(qint32& lngID, db::Connection& conLocal,
                            PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EliminarMensaje(db::Connection& conLocal, qint32& lngID) override;
    void ReenviarMensaje(qint32& lngID, db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig) override;
    void EnviarRecibirMensajes(db::Connection& conLocal, quint8 bytOperacion) override;
    void ImportarMensaje(db::Connection& conLocal, qint16& intOperacion) override;
    void ExportarMensaje(db::Connection& conLocal, qint16& intOperacion, qint32& lngID) override;
    void ConexionServidor(db::Connection& conLocal, qint16 intOperacion, QString& strIdentificacion) override;
    void AsistenteCuentasCorreo(db::Connection& conLocal) override;

private:
    static void NoDisponible(const char* funcion);
};

} // namespace addins
