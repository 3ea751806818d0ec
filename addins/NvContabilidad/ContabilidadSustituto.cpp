#include "NvContabilidad/ContabilidadSustituto.h"

#include "comun/AvisoNoDisponible.h"
#include "comun/ModuloDeUnaClase.h"
#include "platform/addins/ContabilidadPassword.h"

namespace addins {

void ContabilidadSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("NvContabilidad"), QString::fromLatin1(funcion));
}

QString ContabilidadSustituto::ObtenerPasswordContabilidad(const QString&)
{
    return PasswordContabilidad();
}

void ContabilidadSustituto::CargarArbol(db::Connection&, QTreeWidget&, const ListaImagenes&, qint16, qint32&)
{
    NoDisponible("CargarArbol");
}

void ContabilidadSustituto::NuevaEmpresa(const cConfigContabilidad&, db::Connection&, qint32& lngCodNuevaEmpr)
{
    NoDisponible("NuevaEmpresa");
    lngCodNuevaEmpr = 0;
}

void ContabilidadSustituto::EditaEmpresa(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("EditaEmpresa");
}

void ContabilidadSustituto::EliminaEmpresa(cConfigContabilidad&, db::Connection&, qint32&, bool& blnEliminada)
{
    NoDisponible("EliminaEmpresa");
    blnEliminada = false;
}

void ContabilidadSustituto::NuevoAsiento(cConfigContabilidad&, db::Connection&, qint32)
{
    NoDisponible("NuevoAsiento");
}

void ContabilidadSustituto::NuevoAsientoPredefinido(cConfigContabilidad&, db::Connection&, qint32)
{
    NoDisponible("NuevoAsientoPredefinido");
}

void ContabilidadSustituto::NuevoPresupuesto(cConfigContabilidad&, db::Connection&, qint32)
{
    NoDisponible("NuevoPresupuesto");
}

void ContabilidadSustituto::NuevoGrupo(cConfigContabilidad&, db::Connection&)
{
    NoDisponible("NuevoGrupo");
}

void ContabilidadSustituto::EditarAsiento(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("EditarAsiento");
}

void ContabilidadSustituto::EditarAsientoPredefinido(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("EditarAsientoPredefinido");
}

void ContabilidadSustituto::EditarPresupuesto(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("EditarPresupuesto");
}

void ContabilidadSustituto::EditarGrupo(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("EditarGrupo");
}

void ContabilidadSustituto::EliminarAsiento(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("EliminarAsiento");
}

void ContabilidadSustituto::EliminarAsientoPredefinido(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("EliminarAsientoPredefinido");
}

void ContabilidadSustituto::EliminarPresupuesto(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("EliminarPresupuesto");
}

void ContabilidadSustituto::EliminarGrupo(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("EliminarGrupo");
}

void ContabilidadSustituto::NuevaCuenta(cConfigContabilidad&, db::Connection&, qint32&, bool& blnCancelar)
{
    NoDisponible("NuevaCuenta");
    blnCancelar = true;
}

void ContabilidadSustituto::EditarCuenta(cConfigContabilidad&, db::Connection&, qint32&, qint32&, bool& blnCancelar)
{
    NoDisponible("EditarCuenta");
    blnCancelar = true;
}

void ContabilidadSustituto::EliminarCuenta(cConfigContabilidad&, db::Connection&, qint32&, qint32&, QTreeWidget*)
{
    NoDisponible("EliminarCuenta");
}

void ContabilidadSustituto::NuevaSubcuenta(cConfigContabilidad&, db::Connection&, qint32&, bool& blnCancelar)
{
    NoDisponible("NuevaSubcuenta");
    blnCancelar = true;
}

void ContabilidadSustituto::EditarSubcuenta(cConfigContabilidad&, db::Connection&, qint32&, qint32&,
                                            bool& blnCancelar)
{
    NoDisponible("EditarSubcuenta");
    blnCancelar = true;
}

void ContabilidadSustituto::EliminarSubcuenta(cConfigContabilidad&, db::Connection&, qint32, qint32&)
{
    NoDisponible("EliminarSubcuenta");
}

void ContabilidadSustituto::NuevoEpigrafe(cConfigContabilidad&, QTreeWidget&, db::Connection&, qint32&, qint32&,
                                          qint32&, bool& blnCancelar)
{
    NoDisponible("NuevoEpigrafe");
    blnCancelar = true;
}

void ContabilidadSustituto::EditarEpigrafe(cConfigContabilidad&, QTreeWidget&, db::Connection&, qint32&, qint32&,
                                           bool& blnCancelar)
{
    NoDisponible("EditarEpigrafe");
    blnCancelar = true;
}

void ContabilidadSustituto::EliminarEpigrafe(cConfigContabilidad&, QTreeWidget&, db::Connection&, qint32&)
{
    NoDisponible("EliminarEpigrafe");
}

void ContabilidadSustituto::AsignarCuenta(cConfigContabilidad&, QTreeWidget&, db::Connection&, qint32&, qint32,
                                          bool& blnCancelar)
{
    NoDisponible("AsignarCuenta");
    blnCancelar = true;
}

void ContabilidadSustituto::DesasignarCuenta(cConfigContabilidad&, QTreeWidget&, db::Connection&, qint32&, qint32)
{
    NoDisponible("DesasignarCuenta");
}

bool ContabilidadSustituto::AbrirEjercicio(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("AbrirEjercicio");
    return false;
}

bool ContabilidadSustituto::CerrarEjercicio(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("CerrarEjercicio");
    return false;
}

bool ContabilidadSustituto::RecalcularTotales(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("RecalcularTotales");
    return false;
}

void ContabilidadSustituto::RenumerarAsientos(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("RenumerarAsientos");
}

void ContabilidadSustituto::MoverSubctaDiario(cConfigContabilidad&, db::Connection&, qint32&)
{
    NoDisponible("MoverSubctaDiario");
}

void ContabilidadSustituto::ConsolidarEmpresas(cConfigContabilidad&, db::Connection&, bool& blnCancelar)
{
    NoDisponible("ConsolidarEmpresas");
    blnCancelar = true;
}

void ContabilidadSustituto::AsistenteCopiarDatos(cConfigContabilidad&, db::Connection&, bool& blnCancelar, qint32&)
{
    NoDisponible("AsistenteCopiarDatos");
    blnCancelar = true;
}

void ContabilidadSustituto::AsistenteExportar(cConfigContabilidad&, db::Connection&, bool& blnCancelar)
{
    NoDisponible("AsistenteExportar");
    blnCancelar = true;
}

void ContabilidadSustituto::AsistenteImportar(cConfigContabilidad&, db::Connection&, bool& blnCancelar)
{
    NoDisponible("AsistenteImportar");
    blnCancelar = true;
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::ContabilidadSustituto)
