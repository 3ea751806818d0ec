#pragma once

#include "platform/addins/cInformes.h"

namespace addins {

// Stand-in of the accounting-reports add-in: every report answers with the
// "not available" message and prints nothing.
class InformesContabilidadSustituto : public cInformes {
public:
    void ImprimirBalanceSumasySaldos(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                     db::Connection& conContabilidad, db::Connection& conInformes,
                                     qint32 lngEmpresa) override;
    void ImprimirBalanceSituacion(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                  db::Connection& conContabilidad, db::Connection& conInformes,
                                  qint32 lngEmpresa) override;
    void ImprimirBalanceSituacionComp(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                      db::Connection& conContabilidad, db::Connection& conInformes,
                                      qint32 lngEmpresa) override;
    void ImprimirBalancePYG(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                            db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa) override;
    void ImprimirBalancePYGComp(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                db::Connection& conContabilidad, db::Connection& conInformes,
                                qint32 lngEmpresa) override;
    void ImprimirLibroDiario(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                             db::Connection& conContabilidad, db::Connection& conInformes,
                             qint32 lngEmpresa) override;
    void ImprimirLibroMayor(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                            db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa) override;
    void ImprimirSubcuentas(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                            db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa) override;
    void ImprimirEpigrafes(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                           db::Connection& conContabilidad, db::Connection& conInformes, qint32 lngEmpresa) override;
    void ImprimirPresupuestoAnual(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                  db::Connection& conContabilidad, db::Connection& conInformes,
                                  qint32 lngEmpresa) override;
    void ImprimirPresupuesto(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                             db::Connection& conContabilidad, db::Connection& conInformes,
                             qint32 lngEmpresa) override;
    void ImprimirFacturasEmitidas(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                  db::Connection& conContabilidad, db::Connection& conInformes,
                                  qint32 lngEmpresa) override;
    void ImprimirFacturasRecibidas(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig,
                                   db::Connection& conContabilidad, db::Connection& conInformes,
                                   qint32 lngEmpresa) override;

private:
    static void NoDisponible(const char* funcion);
};

} // namespace addins
