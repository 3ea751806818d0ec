#pragma once

#include "platform/addins/cMensajeria.h"

#include <gmock/gmock.h>

namespace dobles {

// gmock mock of addins::cMensajeria; every member does nothing unless a test
// says otherwise.
class MockMensajeria : public addins::cMensajeria {
public:
    MockMensajeria();
    ~MockMensajeria() override;

    MOCK_METHOD(void, NuevoMensaje, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, PropiedadesMensaje, (qint32& lngID, db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminarMensaje, (db::Connection& conLocal, qint32& lngID), (override));
    MOCK_METHOD(void, ReenviarMensaje, (qint32& lngID, db::Connection& conLocal,
                PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EnviarRecibirMensajes, (db::Connection& conLocal, quint8 bytOperacion), (override));
    MOCK_METHOD(void, ImportarMensaje, (db::Connection& conLocal, qint16& intOperacion), (override));
    MOCK_METHOD(void, ExportarMensaje, (db::Connection& conLocal, qint16& intOperacion, qint32& lngID), (override));
    MOCK_METHOD(void, ConexionServidor, (db::Connection& conLocal, qint16 intOperacion,
                QString& strIdentificacion), (override));
    MOCK_METHOD(void, AsistenteCuentasCorreo, (db::Connection& conLocal), (override));
};

} // namespace dobles
