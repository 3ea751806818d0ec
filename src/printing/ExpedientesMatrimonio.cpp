#include "printing/ExpedientesMatrimonio.h"

#include "platform/addins/cGestPar.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/cCAplicacion.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/report/GuardaImpresion.h"
#include "platform/report/SecuenciaImpresion.h"
#include "platform/ui/Ui.h"
#include "platform/vb/VbError.h"
#include "printing/SecuenciaDocumento.h"
#include "printing/frmDatosGP.h"

using PVAPI::cCAplicacion;

namespace expedientes {

namespace {

const QStringList kVaciar = {QStringLiteral("DELETE FROM Documentos_Matrimonio"),
                             QStringLiteral("DELETE FROM Documentos_Matrimonio_Novios"),
                             QStringLiteral("DELETE FROM Documentos_Matrimonio_Novias"),
                             QStringLiteral("DELETE FROM Documentos_Matrimonio_Otros")};

} // namespace

Eleccion Elegir(Documento documento, const QString& aplicacion)
{
    const bool valdena = aplicacion == cCAplicacion::Texto(cCAplicacion::APP_PARVANTA_VALDENA);
    const bool corbela = aplicacion == cCAplicacion::Texto(cCAplicacion::APP_PARVANTA_CORBELA);
    switch (documento) {
    case Documento::Formato1:
        if (valdena)
            return {QStringLiteral("\\infGP_ExpedienteMatrimonioValdena.rpt"),
                    QStringLiteral("Expediente matrimonial de Valdena"), {}};
        if (corbela)
            return {QStringLiteral("\\infGP_ExpedienteMatrimonio.rpt"), QStringLiteral("Expediente matrimonial"),
                    QStringLiteral("EXPEDIENTE")};
        return {QStringLiteral("\\infGP_ExpedienteMatrimonioFormato1.rpt"),
                QStringLiteral("Expediente matrimonial (formato 1)"), {}};
    case Documento::Formato2:
        if (valdena)
            return {QStringLiteral("\\infGP_ExpedienteMatrimonioOtras.rpt"),
                    QStringLiteral("Expediente matrimonial de otras diócesis"), {}};
        return {QStringLiteral("\\infGP_ExpedienteMatrimonioFormato2.rpt"),
                QStringLiteral("Expediente matrimonial (formato 2)"), {}};
    case Documento::Formato3:
        return {QStringLiteral("\\infGP_ExpedienteMatrimonioFormato3.rpt"),
                QStringLiteral("Expediente matrimonial (formato 3)"), {}};
    case Documento::Resumen1:
        if (corbela)
            return {QStringLiteral("\\infGP_Atestado.rpt"), QStringLiteral("Atestado para otras Diócesis"),
                    QStringLiteral("ATESTADO")};
        return {QStringLiteral("\\infGP_Allegato_V_1.rpt"), QStringLiteral("Resumen matrimonial (Allegato V) página 1"),
                {}};
    case Documento::Resumen2:
        return {QStringLiteral("\\infGP_allegato_V_2.rpt"), QStringLiteral("Resumen matrimonial (Allegato V) página 2"),
                {}};
    }
    return {};
}

void ImprimirExpediente(const ContextoImpresion& ctx, Documento documento, const QString& strClave,
                        const QString& aplicacion)
{
    if (strClave.isEmpty())
        return;
    if (!ctx.gestPar)
        throw vb::VbError(91, QStringLiteral("Variable de objeto o bloque With no establecido"));
    const impresion::ImpresionEnCurso enCurso(ctx.appTitle);
    if (!enCurso.Libre())
        return;
    const PVAPI::cDuzediv servicio(ctx.appTitle);
    PVAPI::IControlInforme& c = *ctx.control;
    const Eleccion e = Elegir(documento, aplicacion);

    DatosGP datos;
    if (!e.datos.isEmpty()) {
        datos = PedirDatosGP(e.datos);
        if (datos.mblnCancelar)
            return;
    }
    ui::DoEvents();

    // From the add-in call on, the tables are emptied and the formulas set
    // here cleared on every path.
    report::GuardaImpresion guarda(c, ctx.conInformes, kVaciar);
    if (!e.datos.isEmpty()) {
        for (const auto& [ranura, formula] : datos.Formulas())
            guarda.PonerFormula(ranura, formula);
    }
    bool tramita = false;
    bool curia = false;
    bool curiaAntes = false;
    switch (documento) {
    case Documento::Formato1:
        ctx.gestPar->InformeExpedienteFormato1(*ctx.conLocal, *ctx.conInformes, strClave);
        break;
    case Documento::Formato2:
        ctx.gestPar->InformeExpedienteFormato2(*ctx.conLocal, *ctx.conInformes, strClave);
        break;
    case Documento::Formato3:
        ctx.gestPar->InformeExpedienteFormato3(*ctx.conLocal, *ctx.conInformes, strClave, tramita, curia, curiaAntes);
        if (!tramita && !curia && !curiaAntes) {
            guarda.VaciarTablas();
            return;
        }
        break;
    case Documento::Resumen1:
        ctx.gestPar->InformeResumenMatrimonio(*ctx.conLocal, *ctx.conInformes, strClave);
        break;
    case Documento::Resumen2:
        ctx.gestPar->InformeResumenMatrimonio2(*ctx.conLocal, *ctx.conInformes, strClave);
        break;
    }

    impresion::PrepararControl(ctx, e.plantilla, e.titulo, PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(),
                               PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ(), QStringLiteral("0"),
                               QStringLiteral("0"));
    if (documento == Documento::Formato3) {
        const auto bandera = [](bool valor) { return valor ? QStringLiteral("1") : QStringLiteral("0"); };
        guarda.PonerFormula(0, QStringLiteral("TramitaParroquia=") + bandera(tramita));
        guarda.PonerFormula(1, QStringLiteral("EnviaCuria=") + bandera(curia));
        guarda.PonerFormula(2, QStringLiteral("EnviaCuriaAntes=") + bandera(curiaAntes));
    }
    c.PrintReport();
    guarda.LimpiarControl();
    report::InformarErrorMotor(c, servicio);
    if (documento == Documento::Formato1 || documento == Documento::Resumen1) {
        for (int i = 1; i <= 30; ++i)
            c.setFormulas(i, QString());
    }
    guarda.VaciarTablas();
}

} // namespace expedientes
