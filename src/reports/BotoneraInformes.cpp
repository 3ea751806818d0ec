#include "reports/BotoneraInformes.h"

#include "core/EstadoPrincipal.h"
#include "core/cConstante.h"
#include "core/denDuzediv.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cGestPar.h"
#include "platform/addins/cInformes.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/vb/VbError.h"
#include "reports/InformesFamilias_p.h"
#include "reports/PasosInforme.h"
#include "reports/TablaInformes.h"

#include <QDir>

namespace {

constexpr long kErrObjetoNoEstablecido = 91;

template <class T>
T& Requerir(const std::unique_ptr<T>& objeto)
{
    if (!objeto)
        throw vb::VbError(kErrObjetoNoEstablecido,
                          QStringLiteral("Variable de objeto o bloque With no establecido"));
    return *objeto;
}

// The accounting reports: the add-in prints each whole on the window's
// report control for the selected company.
using MiembroContabilidad = void (addins::cInformes::*)(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                         db::Connection&, db::Connection&, qint32);

void InformeContabilidad(const EntornoInforme& e, MiembroContabilidad miembro)
{
    try {
        const ui::HourglassGuard reloj;
        addins::cInformes& informes = e.informesContabilidad();
        (informes.*miembro)(e.control(), e.ctx.estado->mobjConfigContab, e.conContabilidad(), e.conInformes(),
                            e.ctx.estado->mlngCodEmpresaSeleccionada);
    } catch (...) {
        informes::InformarExcepcion(e, {});
    }
}

} // namespace

EntornoInforme::EntornoInforme(const ContextoInformes& ctx, ObjetosBotonera& objetos, QProgressBar* nvbpInformes,
                               QString nodoSeleccionado, int indice)
    : ctx(ctx), obj(objetos), nvbpInformes(nvbpInformes), nodoSeleccionado(std::move(nodoSeleccionado)),
      indice(indice)
{
}

PVAPI::IControlInforme& EntornoInforme::control() const { return ctx.crptInformes(); }
PVAPI::cInfoConfiguracion& EntornoInforme::config() const { return *ctx.estado->gobjInfoConfig; }
db::Connection& EntornoInforme::conLocal() const { return ctx.estado->den->conLocal; }
db::Connection& EntornoInforme::conInformes() const { return ctx.estado->den->conInformes; }
db::Connection& EntornoInforme::conContabilidad() const { return ctx.estado->den->conContabilidad; }
const QString& EntornoInforme::appTitle() const { return ctx.estado->appTitle; }

QString EntornoInforme::Archivo(const QString& nombre) const
{
    return QDir(ctx.appPath).filePath(nombre);
}

addins::cVodidazaz& EntornoInforme::vodidazaz() const { return Requerir(obj.vodidazaz); }
addins::cGestPar& EntornoInforme::gestPar() const { return Requerir(obj.gestPar); }
addins::cInformes& EntornoInforme::informesContabilidad() const { return Requerir(obj.contabilidad); }

QString EntornoInforme::Procedimiento() const
{
    return QStringLiteral("cmdBotonera_Click(%1)").arg(indice);
}

void CrearObjetosBotonera(const PVAPI::cInfoConfiguracion& config, ObjetosBotonera& objetos)
{
    if (config.ContabilidadDLL)
        objetos.contabilidad = addins::CrearObjeto<addins::cInformes>(QString::fromLatin1(addins::cInformes::NombreClase));
    if (config.VodidazazDLL)
        objetos.vodidazaz = addins::CrearObjeto<addins::cVodidazaz>(QString::fromLatin1(addins::cVodidazaz::NombreClase));
    if (config.GestionParroquialDLL)
        objetos.gestPar = addins::CrearObjeto<addins::cGestPar>(QString::fromLatin1(addins::cGestPar::NombreClase));
}

bool EjecutarTodos(const EntornoInforme& e, const QString& nodo)
{
    const cConstante constantes(e.ctx.edicion);
    const CcNodos& n = constantes.nodo();
    const QList<QPair<QString, MiembroContabilidad>> contabilidad = {
        {n.BALANCESUMASYSALDOS(), &addins::cInformes::ImprimirBalanceSumasySaldos},
        {n.BALANCESITUACION(), &addins::cInformes::ImprimirBalanceSituacion},
        {n.BALANCESITUACIONCOMP(), &addins::cInformes::ImprimirBalanceSituacionComp},
        {n.BALANCEPYG(), &addins::cInformes::ImprimirBalancePYG},
        {n.BALANCEPYGCOMP(), &addins::cInformes::ImprimirBalancePYGComp},
        {n.LIBRODIARIO(), &addins::cInformes::ImprimirLibroDiario},
        {n.LIBROMAYOR(), &addins::cInformes::ImprimirLibroMayor},
        {n.LISTADOSUBCUENTAS(), &addins::cInformes::ImprimirSubcuentas},
        {n.LISTADOEPIGRAFES(), &addins::cInformes::ImprimirEpigrafes},
        {n.LISTADOPRESUPUESTOANUAL(), &addins::cInformes::ImprimirPresupuestoAnual},
        {n.LISTADOPRESUPUESTO(), &addins::cInformes::ImprimirPresupuesto},
        {n.IVAFACTURAEMITIDA(), &addins::cInformes::ImprimirFacturasEmitidas},
        {n.IVAFACTURARECIBIDA(), &addins::cInformes::ImprimirFacturasRecibidas},
    };
    for (const auto& [caption, miembro] : contabilidad) {
        if (nodo == caption) {
            InformeContabilidad(e, miembro);
            return true;
        }
    }
    // The table outlives the row found in it.
    const QList<informes::FilaInforme> tabla = informes::TablaInformes(n);
    const informes::FilaInforme* fila = informes::BuscarFila(tabla, nodo);
    if (!fila || fila->lugarTodos == 0)
        return false;
    switch (fila->familia) {
    case informes::Familia::Donativos:
        informes_p::DonativosTodos(e, n, nodo);
        return true;
    case informes::Familia::Duplicadas:
        informes_p::Duplicadas(e, n, nodo);
        return true;
    case informes::Familia::Plantilla:
        informes_p::Plantilla(e, n, nodo);
        return true;
    case informes::Familia::ListaParroquia:
        informes_p::ListaParroquia(e, n, nodo, true);
        return true;
    default:
        return false;
    }
}

bool EjecutarSeleccionar(const EntornoInforme& e, const QString& nodo)
{
    const cConstante constantes(e.ctx.edicion);
    const CcNodos& n = constantes.nodo();
    // The table outlives the row found in it.
    const QList<informes::FilaInforme> tabla = informes::TablaInformes(n);
    const informes::FilaInforme* fila = informes::BuscarFila(tabla, nodo);
    if (!fila || fila->lugarSeleccionar == 0)
        return false;
    if (fila->familia == informes::Familia::Donativos)
        informes_p::DonativosSeleccion(e, n, nodo);
    else
        informes_p::ListaParroquia(e, n, nodo, false);
    return true;
}
