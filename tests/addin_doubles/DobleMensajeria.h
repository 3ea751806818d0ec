#pragma once

#include "addin_doubles/GrabadoraLlamadas.h"
#include "platform/addins/cMensajeria.h"

#include <memory>

namespace dobles {

// Test double of addins::cMensajeria: records every call in its recorder and
// answers from it (see GrabadoraLlamadas).
class DobleMensajeria : public addins::cMensajeria {
public:
    explicit DobleMensajeria(std::shared_ptr<GrabadoraLlamadas> grabadora = std::make_shared<GrabadoraLlamadas>())
        : m_grabadora(std::move(grabadora))
    {
    }
    GrabadoraLlamadas& Grabadora() const { return *m_grabadora; }

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
    std::shared_ptr<GrabadoraLlamadas> m_grabadora;
};

} // namespace dobles
