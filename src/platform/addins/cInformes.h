#pragma once

#include "platform/addins/Complemento.h"
#include "platform/addins/TiposComplemento.h"

namespace addins {

// The accounting-reports add-in ("NvContabilidadInf.cInformes"). Each member
// prints one report of the company `lngEmpresa` on the program's report
// control: template, data, engine settings and the report of engine errors
// are all the add-in's. Nothing is handed back.
class cInformes : public Complemento {
public:
    static constexpr const char* NombreClase = "NvContabilidadInf.cInformes";
    ~cInformes() override;

    virtual void ImprimirBalanceSumasySaldos(PVAPI::IControlInforme& crptInformes,
                                             const cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                             db::Connection& conInformes, qint32 lngEmpresa) = 0;
    virtual void ImprimirBalanceSituacion(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                          db::Connection& conContabilidad, db::Connection& conInformes,
                                          qint32 lngEmpresa) = 0;
    virtual void ImprimirBalanceSituacionComp(PVAPI::IControlInforme& crptInformes,
                                              const cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                              db::Connection& conInformes, qint32 lngEmpresa) = 0;
    virtual void ImprimirBalancePYG(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                    db::Connection& conContabilidad, db::Connection& conInformes,
                                    qint32 lngEmpresa) = 0;
    virtual void ImprimirBalancePYGComp(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                        db::Connection& conContabilidad, db::Connection& conInformes,
                                        qint32 lngEmpresa) = 0;
    virtual void ImprimirLibroDiario(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                     db::Connection& conContabilidad, db::Connection& conInformes,
                                     qint32 lngEmpresa) = 0;
    virtual void ImprimirLibroMayor(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                    db::Connection& conContabilidad, db::Connection& conInformes,
                                    qint32 lngEmpresa) = 0;
    virtual void ImprimirSubcuentas(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                    db::Connection& conContabilidad, db::Connection& conInformes,
                                    qint32 lngEmpresa) = 0;
    virtual void ImprimirEpigrafes(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                   db::Connection& conContabilidad, db::Connection& conInformes,
                                   qint32 lngEmpresa) = 0;
    virtual void ImprimirPresupuestoAnual(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                          db::Connection& conContabilidad, db::Connection& conInformes,
                                          qint32 lngEmpresa) = 0;
    // The budget plan ("Plan presupuestario").
    virtual void ImprimirPresupuesto(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                     db::Connection& conContabilidad, db::Connection& conInformes,
                                     qint32 lngEmpresa) = 0;
    virtual void ImprimirFacturasEmitidas(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                          db::Connection& conContabilidad, db::Connection& conInformes,
                                          qint32 lngEmpresa) = 0;
    virtual void ImprimirFacturasRecibidas(PVAPI::IControlInforme& crptInformes,
                                           const cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                           db::Connection& conInformes, qint32 lngEmpresa) = 0;
};

} // namespace addins
