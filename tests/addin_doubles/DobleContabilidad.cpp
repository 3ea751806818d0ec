#include "addin_doubles/DobleContabilidad.h"

#include "platform/addins/ContabilidadPassword.h"

namespace dobles {

QString DobleContabilidad::ObtenerPasswordContabilidad(const QString& strAplicacion)
{
    m_grabadora->Recibir("ObtenerPasswordContabilidad", strAplicacion);
    return m_grabadora->Resultado<QString>("ObtenerPasswordContabilidad", PasswordContabilidad());
}

void DobleContabilidad::CargarArbol(db::Connection& conContabilidad, QTreeWidget& trvConta,
                                    const addins::ListaImagenes& imlConta, qint16 intTipo, qint32& lngEmpresa)
{
    m_grabadora->Recibir("CargarArbol", conContabilidad, trvConta, imlConta, intTipo, lngEmpresa);
}

void DobleContabilidad::NuevaEmpresa(const cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                     qint32& lngCodNuevaEmpr)
{
    m_grabadora->Recibir("NuevaEmpresa", objConfig, conContabilidad, lngCodNuevaEmpr);
}

void DobleContabilidad::EditaEmpresa(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID)
{
    m_grabadora->Recibir("EditaEmpresa", objConfig, conContabilidad, lngID);
}

void DobleContabilidad::EliminaEmpresa(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID,
                                       bool& blnEliminada)
{
    m_grabadora->Recibir("EliminaEmpresa", objConfig, conContabilidad, lngID, blnEliminada);
}

void DobleContabilidad::NuevoAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                     qint32 lngEmpresa)
{
    m_grabadora->Recibir("NuevoAsiento", objConfig, conContabilidad, lngEmpresa);
}

void DobleContabilidad::NuevoAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                                qint32 lngEmpresa)
{
    m_grabadora->Recibir("NuevoAsientoPredefinido", objConfig, conContabilidad, lngEmpresa);
}

void DobleContabilidad::NuevoPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                         qint32 lngEmpresa)
{
    m_grabadora->Recibir("NuevoPresupuesto", objConfig, conContabilidad, lngEmpresa);
}

void DobleContabilidad::NuevoGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad)
{
    m_grabadora->Recibir("NuevoGrupo", objConfig, conContabilidad);
}

void DobleContabilidad::EditarAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID)
{
    m_grabadora->Recibir("EditarAsiento", objConfig, conContabilidad, lngID);
}

void DobleContabilidad::EditarAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                                 qint32& lngID)
{
    m_grabadora->Recibir("EditarAsientoPredefinido", objConfig, conContabilidad, lngID);
}

void DobleContabilidad::EditarPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngID)
{
    m_grabadora->Recibir("EditarPresupuesto", objConfig, conContabilidad, lngID);
}

void DobleContabilidad::EditarGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID)
{
    m_grabadora->Recibir("EditarGrupo", objConfig, conContabilidad, lngID);
}

void DobleContabilidad::EliminarAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                        qint32& lngID)
{
    m_grabadora->Recibir("EliminarAsiento", objConfig, conContabilidad, lngID);
}

void DobleContabilidad::EliminarAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                                   qint32& lngID)
{
    m_grabadora->Recibir("EliminarAsientoPredefinido", objConfig, conContabilidad, lngID);
}

void DobleContabilidad::EliminarPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                            qint32& lngID)
{
    m_grabadora->Recibir("EliminarPresupuesto", objConfig, conContabilidad, lngID);
}

void DobleContabilidad::EliminarGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID)
{
    m_grabadora->Recibir("EliminarGrupo", objConfig, conContabilidad, lngID);
}

void DobleContabilidad::NuevaCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                    qint32& lngEmpresa, bool& blnCancelar)
{
    m_grabadora->Recibir("NuevaCuenta", objConfig, conContabilidad, lngEmpresa, blnCancelar);
}

void DobleContabilidad::EditarCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                     qint32& lngEmpresa, qint32& lngCuenta, bool& blnCancelar)
{
    m_grabadora->Recibir("EditarCuenta", objConfig, conContabilidad, lngEmpresa, lngCuenta, blnCancelar);
}

void DobleContabilidad::EliminarCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                       qint32& lngEmpresa, qint32& lngCuenta, QTreeWidget* trvConta)
{
    m_grabadora->Recibir("EliminarCuenta", objConfig, conContabilidad, lngEmpresa, lngCuenta, trvConta);
}

void DobleContabilidad::NuevaSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                       qint32& lngEmpresa, bool& blnCancelar)
{
    m_grabadora->Recibir("NuevaSubcuenta", objConfig, conContabilidad, lngEmpresa, blnCancelar);
}

void DobleContabilidad::EditarSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                        qint32& lngEmpresa, qint32& lngSubcuenta, bool& blnCancelar)
{
    m_grabadora->Recibir("EditarSubcuenta", objConfig, conContabilidad, lngEmpresa, lngSubcuenta, blnCancelar);
}

void DobleContabilidad::EliminarSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32 lngEmpresa, qint32& lngID)
{
    m_grabadora->Recibir("EliminarSubcuenta", objConfig, conContabilidad, lngEmpresa, lngID);
}

void DobleContabilidad::NuevoEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                      db::Connection& conContabilidad, qint32& lngEmpresa, qint32& lngDocumento,
                                      qint32& lngNaturaleza, bool& blnCancelar)
{
    m_grabadora->Recibir("NuevoEpigrafe", objConfig, trvConta, conContabilidad, lngEmpresa, lngDocumento,
                         lngNaturaleza, blnCancelar);
}

void DobleContabilidad::EditarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                       db::Connection& conContabilidad, qint32& lngEmpresa, qint32& lngDocumento,
                                       bool& blnCancelar)
{
    m_grabadora->Recibir("EditarEpigrafe", objConfig, trvConta, conContabilidad, lngEmpresa, lngDocumento,
                         blnCancelar);
}

void DobleContabilidad::EliminarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                         db::Connection& conContabilidad, qint32& lngEmpresa)
{
    m_grabadora->Recibir("EliminarEpigrafe", objConfig, trvConta, conContabilidad, lngEmpresa);
}

void DobleContabilidad::AsignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                      db::Connection& conContabilidad, qint32& lngEmpresa, qint32 lngNaturaleza,
                                      bool& blnCancelar)
{
    m_grabadora->Recibir("AsignarCuenta", objConfig, trvConta, conContabilidad, lngEmpresa, lngNaturaleza,
                         blnCancelar);
}

void DobleContabilidad::DesasignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                         db::Connection& conContabilidad, qint32& lngEmpresa, qint32 lngNaturaleza)
{
    m_grabadora->Recibir("DesasignarCuenta", objConfig, trvConta, conContabilidad, lngEmpresa, lngNaturaleza);
}

bool DobleContabilidad::AbrirEjercicio(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                       qint32& lngEmpresa)
{
    m_grabadora->Recibir("AbrirEjercicio", objConfig, conContabilidad, lngEmpresa);
    return m_grabadora->Resultado<bool>("AbrirEjercicio");
}

bool DobleContabilidad::CerrarEjercicio(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                        qint32& lngEmpresa)
{
    m_grabadora->Recibir("CerrarEjercicio", objConfig, conContabilidad, lngEmpresa);
    return m_grabadora->Resultado<bool>("CerrarEjercicio");
}

bool DobleContabilidad::RecalcularTotales(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngEmpresa)
{
    m_grabadora->Recibir("RecalcularTotales", objConfig, conContabilidad, lngEmpresa);
    return m_grabadora->Resultado<bool>("RecalcularTotales");
}

void DobleContabilidad::RenumerarAsientos(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngEmpresa)
{
    m_grabadora->Recibir("RenumerarAsientos", objConfig, conContabilidad, lngEmpresa);
}

void DobleContabilidad::MoverSubctaDiario(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngEmpresa)
{
    m_grabadora->Recibir("MoverSubctaDiario", objConfig, conContabilidad, lngEmpresa);
}

void DobleContabilidad::ConsolidarEmpresas(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                           bool& blnCancelar)
{
    m_grabadora->Recibir("ConsolidarEmpresas", objConfig, conContabilidad, blnCancelar);
}

void DobleContabilidad::AsistenteCopiarDatos(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                             bool& blnCancelar, qint32& lngEmpresa)
{
    m_grabadora->Recibir("AsistenteCopiarDatos", objConfig, conContabilidad, blnCancelar, lngEmpresa);
}

void DobleContabilidad::AsistenteExportar(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          bool& blnCancelar)
{
    m_grabadora->Recibir("AsistenteExportar", objConfig, conContabilidad, blnCancelar);
}

void DobleContabilidad::AsistenteImportar(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          bool& blnCancelar)
{
    m_grabadora->Recibir("AsistenteImportar", objConfig, conContabilidad, blnCancelar);
}

} // namespace dobles
