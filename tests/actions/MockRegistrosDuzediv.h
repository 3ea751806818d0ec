#pragma once

#include "platform/pvapi/IRegistrosDuzediv.h"

#include <gmock/gmock.h>

// gmock mock of the service object's record dialogs.
class MockRegistrosDuzediv : public PVAPI::IRegistrosDuzediv {
public:
    MOCK_METHOD(void, NuevaInstitucion, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig),
                (override));
    MOCK_METHOD(void, EditaInstitucion,
                (db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, NuevoMunicipio, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig),
                (override));
    MOCK_METHOD(void, EditaMunicipio,
                (db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaMunicipio, (db::Connection& conLocal, qint32& lngID), (override));
    MOCK_METHOD(void, NuevaProvincia, (db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig),
                (override));
    MOCK_METHOD(void, EditaProvincia,
                (db::Connection& conLocal, qint32& lngID, PVAPI::cInfoConfiguracion& objInfoConfig), (override));
    MOCK_METHOD(void, EliminaProvincia, (db::Connection& conLocal, qint32& lngID), (override));
};
