#pragma once

#include "platform/addins/cInformes.h"

#include <gmock/gmock.h>

namespace dobles {

// gmock mock of addins::cInformes, the accounting reports; every member does
// nothing unless a test says otherwise.
class MockInformesContabilidad : public addins::cInformes {
public:
    MockInformesContabilidad();
    ~MockInformesContabilidad() override;

    MOCK_METHOD(void, ImprimirBalanceSumasySaldos, (PVAPI::IControlInforme& crptInformes,
                const cConfigContabilidad& objConfig, db::Connection& conContabilidad, db::Connection& conInformes,
                qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirBalanceSituacion, (PVAPI::IControlInforme& crptInformes,
                const cConfigContabilidad& objConfig, db::Connection& conContabilidad, db::Connection& conInformes,
                qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirBalanceSituacionComp, (PVAPI::IControlInforme& crptInformes,
                const cConfigContabilidad& objConfig, db::Connection& conContabilidad, db::Connection& conInformes,
                qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirBalancePYG, (PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirBalancePYGComp, (PVAPI::IControlInforme& crptInformes,
                const cConfigContabilidad& objConfig, db::Connection& conContabilidad, db::Connection& conInformes,
                qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirLibroDiario, (PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirLibroMayor, (PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirSubcuentas, (PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirEpigrafes, (PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirPresupuestoAnual, (PVAPI::IControlInforme& crptInformes,
                const cConfigContabilidad& objConfig, db::Connection& conContabilidad, db::Connection& conInformes,
                qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirPresupuesto, (PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirFacturasEmitidas, (PVAPI::IControlInforme& crptInformes,
                const cConfigContabilidad& objConfig, db::Connection& conContabilidad, db::Connection& conInformes,
                qint32 lngEmpresa), (override));
    MOCK_METHOD(void, ImprimirFacturasRecibidas, (PVAPI::IControlInforme& crptInformes,
                const cConfigContabilidad& objConfig, db::Connection& conContabilidad, db::Connection& conInformes,
                qint32 lngEmpresa), (override));
};

} // namespace dobles
