#include "NvContabilidadInf/InformesContabilidadSustituto.h"

#include "comun/AvisoNoDisponible.h"
#include "comun/ModuloDeUnaClase.h"

namespace addins {

void InformesContabilidadSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("NvContabilidadInf"), QString::fromLatin1(funcion));
}

void InformesContabilidadSustituto::ImprimirBalanceSumasySaldos(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                                db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirBalanceSumasySaldos");
}

void InformesContabilidadSustituto::ImprimirBalanceSituacion(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                             db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirBalanceSituacion");
}

void InformesContabilidadSustituto::ImprimirBalanceSituacionComp(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                                 db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirBalanceSituacionComp");
}

void InformesContabilidadSustituto::ImprimirBalancePYG(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                       db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirBalancePYG");
}

void InformesContabilidadSustituto::ImprimirBalancePYGComp(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                           db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirBalancePYGComp");
}

void InformesContabilidadSustituto::ImprimirLibroDiario(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                        db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirLibroDiario");
}

void InformesContabilidadSustituto::ImprimirLibroMayor(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                       db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirLibroMayor");
}

void InformesContabilidadSustituto::ImprimirSubcuentas(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                       db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirSubcuentas");
}

void InformesContabilidadSustituto::ImprimirEpigrafes(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                      db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirEpigrafes");
}

void InformesContabilidadSustituto::ImprimirPresupuestoAnual(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                             db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirPresupuestoAnual");
}

void InformesContabilidadSustituto::ImprimirPresupuesto(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                        db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirPresupuesto");
}

void InformesContabilidadSustituto::ImprimirFacturasEmitidas(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                             db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirFacturasEmitidas");
}

void InformesContabilidadSustituto::ImprimirFacturasRecibidas(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                              db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirFacturasRecibidas");
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::InformesContabilidadSustituto)
