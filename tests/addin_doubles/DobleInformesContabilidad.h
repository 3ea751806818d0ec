#pragma once

#include "addin_doubles/GrabadoraLlamadas.h"
#include "platform/addins/cInformes.h"

#include <memory>

namespace dobles {

// Test double of addins::cInformes: records every call in its recorder and
// answers from it (see GrabadoraLlamadas).
class DobleInformesContabilidad : public addins::cInformes {
public:
    explicit DobleInformesContabilidad(
        std::shared_ptr<GrabadoraLlamadas> grabadora = std::make_shared<GrabadoraLlamadas>())
        : m_grabadora(std::move(grabadora))
    {
    }
    GrabadoraLlamadas& Grabadora() const { return *m_grabadora; }

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
    std::shared_ptr<GrabadoraLlamadas> m_grabadora;
};

} // namespace dobles
