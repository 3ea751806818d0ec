#pragma once

#include "platform/addins/cContabilidad.h"

namespace addins {

// Stand-in of the accounting add-in: the password of the accounting database,
// the structure tree, companies and groups, the closing and reopening of a
// fiscal year and the recalculation of totals, the chart (headings, accounts,
// sub-accounts), journal and predefined entries and budgets, each through the
// shared record dialog. The renumbering, the sub-account replacement, the
// consolidation and the three wizards answer with the "not available"
// message and do nothing (cancel flags come back set).
class ContabilidadSustituto : public cContabilidad {
public:
    QString ObtenerPasswordContabilidad(const QString& strAplicacion) override;
    void CargarArbol(db::Connection& conContabilidad, QTreeWidget& trvConta, const ListaImagenes& imlConta,
                     qint16 intTipo, qint32& lngEmpresa) override;
    void NuevaEmpresa(const cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                      qint32& lngCodNuevaEmpr) override;
    void EditaEmpresa(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) override;
    void EliminaEmpresa(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID,
                        bool& blnEliminada) override;
    void NuevoAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32 lngEmpresa) override;
    void NuevoAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                 qint32 lngEmpresa) override;
    void NuevoPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                          qint32 lngEmpresa) override;
    void NuevoGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad) override;
    void EditarAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) override;
    void EditarAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                  qint32& lngID) override;
    void EditarPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) override;
    void EditarGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) override;
    void EliminarAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) override;
    void EliminarAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                    qint32& lngID) override;
    void EliminarPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) override;
    void EliminarGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) override;
    void NuevaCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                     bool& blnCancelar) override;
    void EditarCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                      qint32& lngCuenta, bool& blnCancelar) override;
    void EliminarCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                        qint32& lngCuenta, QTreeWidget* trvConta) override;
    void NuevaSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                        bool& blnCancelar) override;
    void EditarSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                         qint32& lngSubcuenta, bool& blnCancelar) override;
    void EliminarSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32 lngEmpresa,
                           qint32& lngID) override;
    void NuevoEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, db::Connection& conContabilidad,
                       qint32& lngEmpresa, qint32& lngDocumento, qint32& lngNaturaleza, bool& blnCancelar) override;
    void EditarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, db::Connection& conContabilidad,
                        qint32& lngEmpresa, qint32& lngDocumento, bool& blnCancelar) override;
    void EliminarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, db::Connection& conContabilidad,
                          qint32& lngEmpresa) override;
    void AsignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta, db::Connection& conContabilidad,
                       qint32& lngEmpresa, qint32 lngNaturaleza, bool& blnCancelar) override;
    void DesasignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta, db::Connection& conContabilidad,
                          qint32& lngEmpresa, qint32 lngNaturaleza) override;
    bool AbrirEjercicio(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa) override;
    bool CerrarEjercicio(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                         qint32& lngEmpresa) override;
    bool RecalcularTotales(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                           qint32& lngEmpresa) override;
    void RenumerarAsientos(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                           qint32& lngEmpresa) override;
    void MoverSubctaDiario(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                           qint32& lngEmpresa) override;
    void ConsolidarEmpresas(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                            bool& blnCancelar) override;
    void AsistenteCopiarDatos(cConfigContabilidad& objConfig, db::Connection& conContabilidad, bool& blnCancelar,
                              qint32& lngEmpresa) override;
    void AsistenteExportar(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                           bool& blnCancelar) override;
    void AsistenteImportar(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                           bool& blnCancelar) override;

private:
    static void NoDisponible(const char* funcion);
};

} // namespace addins
