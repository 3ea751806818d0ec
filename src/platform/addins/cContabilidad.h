#pragma once

#include "platform/addins/Complemento.h"
#include "platform/addins/TiposComplemento.h"

namespace addins {

// The accounting add-in ("NvContabilidad.cContabilidad"): companies (one per
// fiscal year), the chart of accounts and its structure, journal entries,
// budgets, groups and the year-end tools, on "Contabilidad.mdb".
//
// Every member is the add-in's whole command, dialogs and messages included.
// Arguments keep the order in which the program has always passed them;
// a non-const reference is an argument the add-in may change for the caller
// (`objConfig` is the main window's record, `trvConta` its structure tree).
// `lngEmpresa` is the selected company (0: none).
class cContabilidad : public Complemento {
public:
    static constexpr const char* NombreClase = "NvContabilidad.cContabilidad";
    ~cContabilidad() override;

    // Password of "Contabilidad.mdb" for the build's edition code.
    virtual QString ObtenerPasswordContabilidad(const QString& strAplicacion) = 0;

    // Fills `trvConta` with the structure of one kind (1 assets, 2
    // liabilities, 3 debit, 4 credit) of the company, with pictures of
    // `imlConta`. Each node's key is in column 0 under Qt::UserRole, as in
    // the navigation tree: "e…" for a heading, "c" + `Codigo` for an account
    // assigned to it; the program reads the keys that way.
    virtual void CargarArbol(db::Connection& conContabilidad, QTreeWidget& trvConta, const ListaImagenes& imlConta,
                             qint16 intTipo, qint32& lngEmpresa) = 0;

    // Companies. `blnEliminada` true: the company was deleted. `NuevaEmpresa`
    // leaves the new company's id in `lngCodNuevaEmpr` (0: none created).
    virtual void NuevaEmpresa(const cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                              qint32& lngCodNuevaEmpr) = 0;
    virtual void EditaEmpresa(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) = 0;
    virtual void EliminaEmpresa(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID,
                                bool& blnEliminada) = 0;

    // Journal entries, predefined entries, budgets and groups.
    virtual void NuevoAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                              qint32 lngEmpresa) = 0;
    virtual void NuevoAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                         qint32 lngEmpresa) = 0;
    virtual void NuevoPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                  qint32 lngEmpresa) = 0;
    virtual void NuevoGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad) = 0;
    virtual void EditarAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) = 0;
    virtual void EditarAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngID) = 0;
    virtual void EditarPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                   qint32& lngID) = 0;
    virtual void EditarGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) = 0;
    virtual void EliminarAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) = 0;
    virtual void EliminarAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                            qint32& lngID) = 0;
    virtual void EliminarPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                     qint32& lngID) = 0;
    virtual void EliminarGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID) = 0;

    // Accounts and sub-accounts. `blnCancelar` true: the user cancelled.
    // `EliminarCuenta` also serves the structure tree, which it then gets
    // last; from the accounts list `trvConta` is null.
    virtual void NuevaCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                             bool& blnCancelar) = 0;
    virtual void EditarCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                              qint32& lngCuenta, bool& blnCancelar) = 0;
    virtual void EliminarCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                                qint32& lngCuenta, QTreeWidget* trvConta) = 0;
    virtual void NuevaSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                                bool& blnCancelar) = 0;
    virtual void EditarSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                 qint32& lngEmpresa, qint32& lngSubcuenta, bool& blnCancelar) = 0;
    virtual void EliminarSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                   qint32 lngEmpresa, qint32& lngID) = 0;

    // Headings of the structure (document 1 balance sheet, 2 profit and
    // loss; nature 1 to 4) and the assignment of accounts to them. The add-in
    // updates `trvConta` itself.
    virtual void NuevoEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta, db::Connection& conContabilidad,
                               qint32& lngEmpresa, qint32& lngDocumento, qint32& lngNaturaleza,
                               bool& blnCancelar) = 0;
    virtual void EditarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                db::Connection& conContabilidad, qint32& lngEmpresa, qint32& lngDocumento,
                                bool& blnCancelar) = 0;
    virtual void EliminarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                  db::Connection& conContabilidad, qint32& lngEmpresa) = 0;
    virtual void AsignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta, db::Connection& conContabilidad,
                               qint32& lngEmpresa, qint32 lngNaturaleza, bool& blnCancelar) = 0;
    virtual void DesasignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                  db::Connection& conContabilidad, qint32& lngEmpresa, qint32 lngNaturaleza) = 0;

    // Year-end tools. The three answers count only when true: the year was
    // reopened, closed (its next year's company created) or the totals
    // recalculated.
    virtual bool AbrirEjercicio(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                qint32& lngEmpresa) = 0;
    virtual bool CerrarEjercicio(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                 qint32& lngEmpresa) = 0;
    virtual bool RecalcularTotales(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                   qint32& lngEmpresa) = 0;
    virtual void RenumerarAsientos(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                   qint32& lngEmpresa) = 0;
    virtual void MoverSubctaDiario(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                   qint32& lngEmpresa) = 0;
    virtual void ConsolidarEmpresas(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                    bool& blnCancelar) = 0;

    // Wizards; `blnCancelar` true when the user cancelled.
    virtual void AsistenteCopiarDatos(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                      bool& blnCancelar, qint32& lngEmpresa) = 0;
    virtual void AsistenteExportar(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                   bool& blnCancelar) = 0;
    virtual void AsistenteImportar(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                   bool& blnCancelar) = 0;
};

} // namespace addins
