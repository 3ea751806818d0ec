#include "addin_doubles/DobleInformesContabilidad.h"

namespace dobles {

void DobleInformesContabilidad::ImprimirBalanceSumasySaldos(PVAPI::IControlInforme& crptInformes,
                                                            const cConfigContabilidad& objConfig,
                                                            db::Connection& conContabilidad,
                                                            db::Connection& conInformes, qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirBalanceSumasySaldos", crptInformes, objConfig, conContabilidad, conInformes,
                         lngEmpresa);
}

void DobleInformesContabilidad::ImprimirBalanceSituacion(PVAPI::IControlInforme& crptInformes,
                                                         const cConfigContabilidad& objConfig,
                                                         db::Connection& conContabilidad, db::Connection& conInformes,
                                                         qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirBalanceSituacion", crptInformes, objConfig, conContabilidad, conInformes,
                         lngEmpresa);
}

void DobleInformesContabilidad::ImprimirBalanceSituacionComp(PVAPI::IControlInforme& crptInformes,
                                                             const cConfigContabilidad& objConfig,
                                                             db::Connection& conContabilidad,
                                                             db::Connection& conInformes, qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirBalanceSituacionComp", crptInformes, objConfig, conContabilidad, conInformes,
                         lngEmpresa);
}

void DobleInformesContabilidad::ImprimirBalancePYG(PVAPI::IControlInforme& crptInformes,
                                                   const cConfigContabilidad& objConfig,
                                                   db::Connection& conContabilidad, db::Connection& conInformes,
                                                   qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirBalancePYG", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirBalancePYGComp(PVAPI::IControlInforme& crptInformes,
                                                       const cConfigContabilidad& objConfig,
                                                       db::Connection& conContabilidad, db::Connection& conInformes,
                                                       qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirBalancePYGComp", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirLibroDiario(PVAPI::IControlInforme& crptInformes,
                                                    const cConfigContabilidad& objConfig,
                                                    db::Connection& conContabilidad, db::Connection& conInformes,
                                                    qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirLibroDiario", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirLibroMayor(PVAPI::IControlInforme& crptInformes,
                                                   const cConfigContabilidad& objConfig,
                                                   db::Connection& conContabilidad, db::Connection& conInformes,
                                                   qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirLibroMayor", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirSubcuentas(PVAPI::IControlInforme& crptInformes,
                                                   const cConfigContabilidad& objConfig,
                                                   db::Connection& conContabilidad, db::Connection& conInformes,
                                                   qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirSubcuentas", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirEpigrafes(PVAPI::IControlInforme& crptInformes,
                                                  const cConfigContabilidad& objConfig,
                                                  db::Connection& conContabilidad, db::Connection& conInformes,
                                                  qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirEpigrafes", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirPresupuestoAnual(PVAPI::IControlInforme& crptInformes,
                                                         const cConfigContabilidad& objConfig,
                                                         db::Connection& conContabilidad, db::Connection& conInformes,
                                                         qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirPresupuestoAnual", crptInformes, objConfig, conContabilidad, conInformes,
                         lngEmpresa);
}

void DobleInformesContabilidad::ImprimirPresupuesto(PVAPI::IControlInforme& crptInformes,
                                                    const cConfigContabilidad& objConfig,
                                                    db::Connection& conContabilidad, db::Connection& conInformes,
                                                    qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirPresupuesto", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirFacturasEmitidas(PVAPI::IControlInforme& crptInformes,
                                                         const cConfigContabilidad& objConfig,
                                                         db::Connection& conContabilidad, db::Connection& conInformes,
                                                         qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirFacturasEmitidas", crptInformes, objConfig, conContabilidad, conInformes,
                         lngEmpresa);
}

void DobleInformesContabilidad::ImprimirFacturasRecibidas(PVAPI::IControlInforme& crptInformes,
                                                          const cConfigContabilidad& objConfig,
                                                          db::Connection& conContabilidad,
                                                          db::Connection& conInformes, qint32 lngEmpresa)
{
    m_grabadora->Recibir("ImprimirFacturasRecibidas", crptInformes, objConfig, conContabilidad, conInformes,
                         lngEmpresa);
}

} // namespace dobles
