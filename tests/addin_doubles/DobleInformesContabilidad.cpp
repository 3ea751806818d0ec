#include "addin_doubles/DobleInformesContabilidad.h"

namespace dobles {

void DobleInformesContabilidad::ImprimirBalanceSumasySaldos(PVAPI::IControlInforme& crptInformes,
                                                            const cConfigContabilidad& objConfig,
                                                            db::Connection& conContabilidad,
                                                            db::Connection& conInformes, qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirBalanceSumasySaldos", crptInformes, objConfig, conContabilidad, conInformes,
                        lngEmpresa);
}

void DobleInformesContabilidad::ImprimirBalanceSituacion(PVAPI::IControlInforme& crptInformes,
                                                         const cConfigContabilidad& objConfig,
                                                         db::Connection& conContabilidad, db::Connection& conInformes,
                                                         qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirBalanceSituacion", crptInformes, objConfig, conContabilidad, conInformes,
                        lngEmpresa);
}

void DobleInformesContabilidad::ImprimirBalanceSituacionComp(PVAPI::IControlInforme& crptInformes,
                                                             const cConfigContabilidad& objConfig,
                                                             db::Connection& conContabilidad,
                                                             db::Connection& conInformes, qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirBalanceSituacionComp", crptInformes, objConfig, conContabilidad, conInformes,
                        lngEmpresa);
}

void DobleInformesContabilidad::ImprimirBalancePYG(PVAPI::IControlInforme& crptInformes,
                                                   const cConfigContabilidad& objConfig,
                                                   db::Connection& conContabilidad, db::Connection& conInformes,
                                                   qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirBalancePYG", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirBalancePYGComp(PVAPI::IControlInforme& crptInformes,
                                                       const cConfigContabilidad& objConfig,
                                                       db::Connection& conContabilidad, db::Connection& conInformes,
                                                       qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirBalancePYGComp", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirLibroDiario(PVAPI::IControlInforme& crptInformes,
                                                    const cConfigContabilidad& objConfig,
                                                    db::Connection& conContabilidad, db::Connection& conInformes,
                                                    qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirLibroDiario", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirLibroMayor(PVAPI::IControlInforme& crptInformes,
                                                   const cConfigContabilidad& objConfig,
                                                   db::Connection& conContabilidad, db::Connection& conInformes,
                                                   qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirLibroMayor", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirSubcuentas(PVAPI::IControlInforme& crptInformes,
                                                   const cConfigContabilidad& objConfig,
                                                   db::Connection& conContabilidad, db::Connection& conInformes,
                                                   qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirSubcuentas", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirEpigrafes(PVAPI::IControlInforme& crptInformes,
                                                  const cConfigContabilidad& objConfig,
                                                  db::Connection& conContabilidad, db::Connection& conInformes,
                                                  qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirEpigrafes", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirPresupuestoAnual(PVAPI::IControlInforme& crptInformes,
                                                         const cConfigContabilidad& objConfig,
                                                         db::Connection& conContabilidad, db::Connection& conInformes,
                                                         qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirPresupuestoAnual", crptInformes, objConfig, conContabilidad, conInformes,
                        lngEmpresa);
}

void DobleInformesContabilidad::ImprimirPresupuesto(PVAPI::IControlInforme& crptInformes,
                                                    const cConfigContabilidad& objConfig,
                                                    db::Connection& conContabilidad, db::Connection& conInformes,
                                                    qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirPresupuesto", crptInformes, objConfig, conContabilidad, conInformes, lngEmpresa);
}

void DobleInformesContabilidad::ImprimirFacturasEmitidas(PVAPI::IControlInforme& crptInformes,
                                                         const cConfigContabilidad& objConfig,
                                                         db::Connection& conContabilidad, db::Connection& conInformes,
                                                         qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirFacturasEmitidas", crptInformes, objConfig, conContabilidad, conInformes,
                        lngEmpresa);
}

void DobleInformesContabilidad::ImprimirFacturasRecibidas(PVAPI::IControlInforme& crptInformes,
                                                          const cConfigContabilidad& objConfig,
                                                          db::Connection& conContabilidad,
                                                          db::Connection& conInformes, qint32 lngEmpresa)
{
    m_grabadora->Anotar("ImprimirFacturasRecibidas", crptInformes, objConfig, conContabilidad, conInformes,
                        lngEmpresa);
}

} // namespace dobles
