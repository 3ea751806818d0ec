#include "addin_doubles/DobleContabilidad.h"

#include "platform/addins/ContabilidadPassword.h"

namespace dobles {

QString DobleContabilidad::ObtenerPasswordContabilidad(const QString& strAplicacion)
{
    m_grabadora->Anotar("ObtenerPasswordContabilidad", strAplicacion);
    return m_grabadora->Resultado<QString>("ObtenerPasswordContabilidad", PasswordContabilidad());
}

void DobleContabilidad::CargarArbol(db::Connection& conContabilidad, QTreeWidget& trvConta,
                                    const addins::ListaImagenes& imlConta, qint16 intTipo, qint32& lngEmpresa)
{
    m_grabadora->Anotar("CargarArbol", conContabilidad, trvConta, imlConta, intTipo, lngEmpresa);
    m_grabadora->Salida("CargarArbol", 4, lngEmpresa);
}

void DobleContabilidad::NuevaEmpresa(const cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                     qint32& lngCodNuevaEmpr)
{
    m_grabadora->Anotar("NuevaEmpresa", objConfig, conContabilidad, lngCodNuevaEmpr);
    m_grabadora->Salida("NuevaEmpresa", 2, lngCodNuevaEmpr);
}

void DobleContabilidad::EditaEmpresa(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID)
{
    m_grabadora->Anotar("EditaEmpresa", objConfig, conContabilidad, lngID);
    m_grabadora->Salida("EditaEmpresa", 2, lngID);
}

void DobleContabilidad::EliminaEmpresa(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID,
                                       bool& blnEliminada)
{
    m_grabadora->Anotar("EliminaEmpresa", objConfig, conContabilidad, lngID, blnEliminada);
    m_grabadora->Salida("EliminaEmpresa", 2, lngID);
    m_grabadora->Salida("EliminaEmpresa", 3, blnEliminada);
}

void DobleContabilidad::NuevoAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                     qint32 lngEmpresa)
{
    m_grabadora->Anotar("NuevoAsiento", objConfig, conContabilidad, lngEmpresa);
}

void DobleContabilidad::NuevoAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                                qint32 lngEmpresa)
{
    m_grabadora->Anotar("NuevoAsientoPredefinido", objConfig, conContabilidad, lngEmpresa);
}

void DobleContabilidad::NuevoPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                         qint32 lngEmpresa)
{
    m_grabadora->Anotar("NuevoPresupuesto", objConfig, conContabilidad, lngEmpresa);
}

void DobleContabilidad::NuevoGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad)
{
    m_grabadora->Anotar("NuevoGrupo", objConfig, conContabilidad);
}

void DobleContabilidad::EditarAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID)
{
    m_grabadora->Anotar("EditarAsiento", objConfig, conContabilidad, lngID);
    m_grabadora->Salida("EditarAsiento", 2, lngID);
}

void DobleContabilidad::EditarAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                                 qint32& lngID)
{
    m_grabadora->Anotar("EditarAsientoPredefinido", objConfig, conContabilidad, lngID);
    m_grabadora->Salida("EditarAsientoPredefinido", 2, lngID);
}

void DobleContabilidad::EditarPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngID)
{
    m_grabadora->Anotar("EditarPresupuesto", objConfig, conContabilidad, lngID);
    m_grabadora->Salida("EditarPresupuesto", 2, lngID);
}

void DobleContabilidad::EditarGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID)
{
    m_grabadora->Anotar("EditarGrupo", objConfig, conContabilidad, lngID);
    m_grabadora->Salida("EditarGrupo", 2, lngID);
}

void DobleContabilidad::EliminarAsiento(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                        qint32& lngID)
{
    m_grabadora->Anotar("EliminarAsiento", objConfig, conContabilidad, lngID);
    m_grabadora->Salida("EliminarAsiento", 2, lngID);
}

void DobleContabilidad::EliminarAsientoPredefinido(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                                   qint32& lngID)
{
    m_grabadora->Anotar("EliminarAsientoPredefinido", objConfig, conContabilidad, lngID);
    m_grabadora->Salida("EliminarAsientoPredefinido", 2, lngID);
}

void DobleContabilidad::EliminarPresupuesto(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                            qint32& lngID)
{
    m_grabadora->Anotar("EliminarPresupuesto", objConfig, conContabilidad, lngID);
    m_grabadora->Salida("EliminarPresupuesto", 2, lngID);
}

void DobleContabilidad::EliminarGrupo(cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID)
{
    m_grabadora->Anotar("EliminarGrupo", objConfig, conContabilidad, lngID);
    m_grabadora->Salida("EliminarGrupo", 2, lngID);
}

void DobleContabilidad::NuevaCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                    qint32& lngEmpresa, bool& blnCancelar)
{
    m_grabadora->Anotar("NuevaCuenta", objConfig, conContabilidad, lngEmpresa, blnCancelar);
    m_grabadora->Salida("NuevaCuenta", 2, lngEmpresa);
    m_grabadora->Salida("NuevaCuenta", 3, blnCancelar);
}

void DobleContabilidad::EditarCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                     qint32& lngEmpresa, qint32& lngCuenta, bool& blnCancelar)
{
    m_grabadora->Anotar("EditarCuenta", objConfig, conContabilidad, lngEmpresa, lngCuenta, blnCancelar);
    m_grabadora->Salida("EditarCuenta", 2, lngEmpresa);
    m_grabadora->Salida("EditarCuenta", 3, lngCuenta);
    m_grabadora->Salida("EditarCuenta", 4, blnCancelar);
}

void DobleContabilidad::EliminarCuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                       qint32& lngEmpresa, qint32& lngCuenta, QTreeWidget* trvConta)
{
    m_grabadora->Anotar("EliminarCuenta", objConfig, conContabilidad, lngEmpresa, lngCuenta, trvConta);
    m_grabadora->Salida("EliminarCuenta", 2, lngEmpresa);
    m_grabadora->Salida("EliminarCuenta", 3, lngCuenta);
}

void DobleContabilidad::NuevaSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                       qint32& lngEmpresa, bool& blnCancelar)
{
    m_grabadora->Anotar("NuevaSubcuenta", objConfig, conContabilidad, lngEmpresa, blnCancelar);
    m_grabadora->Salida("NuevaSubcuenta", 2, lngEmpresa);
    m_grabadora->Salida("NuevaSubcuenta", 3, blnCancelar);
}

void DobleContabilidad::EditarSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                        qint32& lngEmpresa, qint32& lngSubcuenta, bool& blnCancelar)
{
    m_grabadora->Anotar("EditarSubcuenta", objConfig, conContabilidad, lngEmpresa, lngSubcuenta, blnCancelar);
    m_grabadora->Salida("EditarSubcuenta", 2, lngEmpresa);
    m_grabadora->Salida("EditarSubcuenta", 3, lngSubcuenta);
    m_grabadora->Salida("EditarSubcuenta", 4, blnCancelar);
}

void DobleContabilidad::EliminarSubcuenta(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32 lngEmpresa, qint32& lngID)
{
    m_grabadora->Anotar("EliminarSubcuenta", objConfig, conContabilidad, lngEmpresa, lngID);
    m_grabadora->Salida("EliminarSubcuenta", 3, lngID);
}

void DobleContabilidad::NuevoEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                      db::Connection& conContabilidad, qint32& lngEmpresa, qint32& lngDocumento,
                                      qint32& lngNaturaleza, bool& blnCancelar)
{
    m_grabadora->Anotar("NuevoEpigrafe", objConfig, trvConta, conContabilidad, lngEmpresa, lngDocumento,
                        lngNaturaleza, blnCancelar);
    m_grabadora->Salida("NuevoEpigrafe", 3, lngEmpresa);
    m_grabadora->Salida("NuevoEpigrafe", 4, lngDocumento);
    m_grabadora->Salida("NuevoEpigrafe", 5, lngNaturaleza);
    m_grabadora->Salida("NuevoEpigrafe", 6, blnCancelar);
}

void DobleContabilidad::EditarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                       db::Connection& conContabilidad, qint32& lngEmpresa, qint32& lngDocumento,
                                       bool& blnCancelar)
{
    m_grabadora->Anotar("EditarEpigrafe", objConfig, trvConta, conContabilidad, lngEmpresa, lngDocumento,
                        blnCancelar);
    m_grabadora->Salida("EditarEpigrafe", 3, lngEmpresa);
    m_grabadora->Salida("EditarEpigrafe", 4, lngDocumento);
    m_grabadora->Salida("EditarEpigrafe", 5, blnCancelar);
}

void DobleContabilidad::EliminarEpigrafe(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                         db::Connection& conContabilidad, qint32& lngEmpresa)
{
    m_grabadora->Anotar("EliminarEpigrafe", objConfig, trvConta, conContabilidad, lngEmpresa);
    m_grabadora->Salida("EliminarEpigrafe", 3, lngEmpresa);
}

void DobleContabilidad::AsignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                      db::Connection& conContabilidad, qint32& lngEmpresa, qint32 lngNaturaleza,
                                      bool& blnCancelar)
{
    m_grabadora->Anotar("AsignarCuenta", objConfig, trvConta, conContabilidad, lngEmpresa, lngNaturaleza,
                        blnCancelar);
    m_grabadora->Salida("AsignarCuenta", 3, lngEmpresa);
    m_grabadora->Salida("AsignarCuenta", 5, blnCancelar);
}

void DobleContabilidad::DesasignarCuenta(cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                                         db::Connection& conContabilidad, qint32& lngEmpresa, qint32 lngNaturaleza)
{
    m_grabadora->Anotar("DesasignarCuenta", objConfig, trvConta, conContabilidad, lngEmpresa, lngNaturaleza);
    m_grabadora->Salida("DesasignarCuenta", 3, lngEmpresa);
}

bool DobleContabilidad::AbrirEjercicio(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                       qint32& lngEmpresa)
{
    m_grabadora->Anotar("AbrirEjercicio", objConfig, conContabilidad, lngEmpresa);
    m_grabadora->Salida("AbrirEjercicio", 2, lngEmpresa);
    return m_grabadora->Resultado<bool>("AbrirEjercicio");
}

bool DobleContabilidad::CerrarEjercicio(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                        qint32& lngEmpresa)
{
    m_grabadora->Anotar("CerrarEjercicio", objConfig, conContabilidad, lngEmpresa);
    m_grabadora->Salida("CerrarEjercicio", 2, lngEmpresa);
    return m_grabadora->Resultado<bool>("CerrarEjercicio");
}

bool DobleContabilidad::RecalcularTotales(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngEmpresa)
{
    m_grabadora->Anotar("RecalcularTotales", objConfig, conContabilidad, lngEmpresa);
    m_grabadora->Salida("RecalcularTotales", 2, lngEmpresa);
    return m_grabadora->Resultado<bool>("RecalcularTotales");
}

void DobleContabilidad::RenumerarAsientos(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngEmpresa)
{
    m_grabadora->Anotar("RenumerarAsientos", objConfig, conContabilidad, lngEmpresa);
    m_grabadora->Salida("RenumerarAsientos", 2, lngEmpresa);
}

void DobleContabilidad::MoverSubctaDiario(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          qint32& lngEmpresa)
{
    m_grabadora->Anotar("MoverSubctaDiario", objConfig, conContabilidad, lngEmpresa);
    m_grabadora->Salida("MoverSubctaDiario", 2, lngEmpresa);
}

void DobleContabilidad::ConsolidarEmpresas(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                           bool& blnCancelar)
{
    m_grabadora->Anotar("ConsolidarEmpresas", objConfig, conContabilidad, blnCancelar);
    m_grabadora->Salida("ConsolidarEmpresas", 2, blnCancelar);
}

void DobleContabilidad::AsistenteCopiarDatos(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                             bool& blnCancelar, qint32& lngEmpresa)
{
    m_grabadora->Anotar("AsistenteCopiarDatos", objConfig, conContabilidad, blnCancelar, lngEmpresa);
    m_grabadora->Salida("AsistenteCopiarDatos", 2, blnCancelar);
    m_grabadora->Salida("AsistenteCopiarDatos", 3, lngEmpresa);
}

void DobleContabilidad::AsistenteExportar(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          bool& blnCancelar)
{
    m_grabadora->Anotar("AsistenteExportar", objConfig, conContabilidad, blnCancelar);
    m_grabadora->Salida("AsistenteExportar", 2, blnCancelar);
}

void DobleContabilidad::AsistenteImportar(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                          bool& blnCancelar)
{
    m_grabadora->Anotar("AsistenteImportar", objConfig, conContabilidad, blnCancelar);
    m_grabadora->Salida("AsistenteImportar", 2, blnCancelar);
}

} // namespace dobles
