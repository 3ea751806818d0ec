#pragma once

#include "platform/addins/cInformes.h"

namespace addins {

// Stand-in of the accounting-reports add-in: each report of the company is
// worked out from "Contabilidad.mdb" into a work table of its own and printed
// through the one template "infCO_Contabilidad.rpt" (headings, up to three
// amounts in the working currency). The accounting database keeps no
// invoices, so the two invoice registers answer "not available".
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
