#include "NvContabilidad/ContabilidadSustituto.h"

#include "comun/ArbolContabilidad.h"
#include "comun/AvisoNoDisponible.h"
#include "comun/EmpresasContabilidad.h"
#include "comun/ModuloDeUnaClase.h"
#include "comun/TablasRegistroContabilidad.h"
#include "core/cConfigContabilidad.h"
#include "platform/addins/ContabilidadPassword.h"
#include "platform/db/Connection.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

namespace addins {

namespace {

void Mensaje(const QString& texto)
{
    widgets::DialogoRegistroEjecutor::Mensaje(texto, ui::vbOKOnly + ui::vbExclamation);
}

bool Preguntar(const QString& texto)
{
    return widgets::DialogoRegistroEjecutor::Mensaje(texto, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2)
        == ui::vbYes;
}

QString TextoCambiadaPorOtro()
{
    return QStringLiteral("¡Otro puesto ha cambiado la empresa mientras tanto; no se ha hecho nada!");
}

// The selected company of a year command, or a message saying why there is none.
bool EmpresaDelEjercicio(db::Connection& con, qint32 lngEmpresa, EmpresasContabilidad::Empresa& empresa)
{
    if (lngEmpresa == 0) {
        Mensaje(QStringLiteral("¡No hay ninguna empresa seleccionada!"));
        return false;
    }
    if (!EmpresasContabilidad::Leer(con, lngEmpresa, empresa)) {
        Mensaje(QStringLiteral("¡La empresa seleccionada ya no existe!"));
        return false;
    }
    return true;
}

} // namespace

void ContabilidadSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("NvContabilidad"), QString::fromLatin1(funcion));
}

QString ContabilidadSustituto::ObtenerPasswordContabilidad(const QString&)
{
    return PasswordContabilidad();
}

void ContabilidadSustituto::CargarArbol(db::Connection& conContabilidad, QTreeWidget& trvConta,
                                        const ListaImagenes& imlConta, qint16 intTipo, qint32& lngEmpresa)
{
    ArbolContabilidad::Cargar(conContabilidad, trvConta, imlConta, intTipo, lngEmpresa);
}

void ContabilidadSustituto::NuevaEmpresa(const cConfigContabilidad&, db::Connection& conContabilidad,
                                         qint32& lngCodNuevaEmpr)
{
    lngCodNuevaEmpr = 0;
    widgets::DialogoRegistroDatos empresa(TablasRegistroContabilidad::Empresa(true));
    empresa.Nuevo();
    if (widgets::DialogoRegistro::Editar(conContabilidad, empresa))
        lngCodNuevaEmpr = qint32(empresa.Id());
}

void ContabilidadSustituto::EditaEmpresa(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngID)
{
    widgets::DialogoRegistro::EditarRegistro(conContabilidad, TablasRegistroContabilidad::Empresa(false), lngID);
}

void ContabilidadSustituto::EliminaEmpresa(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngID,
                                           bool& blnEliminada)
{
    blnEliminada = false;
    EmpresasContabilidad::Empresa empresa;
    const QString pregunta =
        EmpresasContabilidad::Leer(conContabilidad, lngID, empresa)
            ? QStringLiteral("¿Desea eliminar la empresa %1 (%2) con todas sus cuentas, epígrafes y asientos?")
                  .arg(empresa.nombre, EmpresasContabilidad::Nombre(empresa))
            : QStringLiteral("¿Desea eliminar la empresa?");
    blnEliminada = widgets::DialogoRegistro::EliminarRegistro(conContabilidad,
                                                              TablasRegistroContabilidad::Empresa(false), lngID,
                                                              pregunta);
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

bool ContabilidadSustituto::AbrirEjercicio(cConfigContabilidad&, db::Connection& conContabilidad, qint32& lngEmpresa)
{
    EmpresasContabilidad::Empresa empresa;
    if (!EmpresaDelEjercicio(conContabilidad, lngEmpresa, empresa))
        return false;
    if (!empresa.cerrado) {
        Mensaje(QStringLiteral("¡El ejercicio %1 no está cerrado!").arg(EmpresasContabilidad::Nombre(empresa)));
        return false;
    }
    if (!Preguntar(QStringLiteral("Se dispone a abrir de nuevo el ejercicio %1.\r\n¿Desea continuar?")
                       .arg(EmpresasContabilidad::Nombre(empresa))))
        return false;
    if (!EmpresasContabilidad::AbrirEjercicio(conContabilidad, lngEmpresa)) {
        Mensaje(TextoCambiadaPorOtro());
        return false;
    }
    return true;
}

bool ContabilidadSustituto::CerrarEjercicio(cConfigContabilidad&, db::Connection& conContabilidad,
                                            qint32& lngEmpresa)
{
    EmpresasContabilidad::Empresa empresa;
    if (!EmpresaDelEjercicio(conContabilidad, lngEmpresa, empresa))
        return false;
    if (empresa.cerrado) {
        Mensaje(QStringLiteral("¡El ejercicio %1 ya está cerrado!").arg(EmpresasContabilidad::Nombre(empresa)));
        return false;
    }
    if (!Preguntar(QStringLiteral("Se dispone a cerrar el ejercicio %1; sus asientos no se podrán cambiar "
                                  "y el ejercicio %2 empezará con su plan de cuentas.\r\n¿Desea continuar?")
                       .arg(EmpresasContabilidad::Nombre(empresa), QString::number(empresa.anio + 1))))
        return false;
    if (EmpresasContabilidad::CerrarEjercicio(conContabilidad, lngEmpresa) == 0) {
        Mensaje(TextoCambiadaPorOtro());
        return false;
    }
    return true;
}

bool ContabilidadSustituto::RecalcularTotales(cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                                              qint32& lngEmpresa)
{
    EmpresasContabilidad::Empresa empresa;
    if (!EmpresaDelEjercicio(conContabilidad, lngEmpresa, empresa))
        return false;
    if (empresa.cerrado) {
        Mensaje(QStringLiteral("¡El ejercicio %1 está cerrado: sus totales no se pueden cambiar!")
                    .arg(EmpresasContabilidad::Nombre(empresa)));
        return false;
    }
    if (!EmpresasContabilidad::RecalcularTotales(conContabilidad, lngEmpresa, objConfig.TrabajarConPesetas())) {
        Mensaje(TextoCambiadaPorOtro());
        return false;
    }
    return true;
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
