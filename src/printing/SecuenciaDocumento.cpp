#include "printing/SecuenciaDocumento.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/cCPassword.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/report/GuardaImpresion.h"
#include "platform/report/SecuenciaImpresion.h"
#include "platform/ui/Ui.h"
#include "printing/MargenesDocumento.h"

#include <exception>
#include <optional>

namespace impresion {

namespace {

bool g_impresionEnCurso = false;

} // namespace

ImpresionEnCurso::ImpresionEnCurso(const QString& appTitle)
{
    if (g_impresionEnCurso) {
        ui::MsgBox(QStringLiteral("Se está imprimiendo otro documento. Espere a que termine e inténtelo de nuevo."),
                   ui::vbOKOnly + ui::vbExclamation, appTitle);
        return;
    }
    g_impresionEnCurso = true;
    m_propia = true;
}

ImpresionEnCurso::~ImpresionEnCurso()
{
    if (m_propia)
        g_impresionEnCurso = false;
}

VentanaImpresion::~VentanaImpresion()
{
    if (m_deshabilitada && m_ctx.habilitar) {
        try {
            m_ctx.habilitar(true);
        } catch (...) {
        }
    }
}

void VentanaImpresion::Deshabilitar()
{
    if (m_ctx.habilitar)
        m_ctx.habilitar(false);
    m_deshabilitada = true;
}

void VentanaImpresion::Habilitar()
{
    if (!m_deshabilitada)
        return;
    if (m_ctx.habilitar)
        m_ctx.habilitar(true);
    m_deshabilitada = false;
}

void PrepararControl(const ContextoImpresion& ctx, const QString& plantilla, const QString& titulo,
                     const QString& claveMargenSup, const QString& claveMargenIzq, const QString& defectoSup,
                     const QString& defectoIzq)
{
    PVAPI::IControlInforme& c = *ctx.control;
    c.setReportFileName(ctx.Archivo(plantilla));
    c.setDataFiles(0, ctx.Archivo(QStringLiteral("Informes.mdb")));
    c.setPassword(QLatin1Char('\n') + PVAPI::cCPassword::PASSWORD_INFORMES());
    c.setWindowTitle(titulo);
    c.setEngineSetting24(0);
    c.setEngineSetting67(2);
    c.setMarginTop(margenes::Margen(ctx, claveMargenSup, defectoSup));
    c.setMarginLeft(margenes::Margen(ctx, claveMargenIzq, defectoIzq));
}

void ImprimirDocumento(const ContextoImpresion& ctx, const Documento& doc, const std::function<void()>& llenar)
{
    const ImpresionEnCurso enCurso(ctx.appTitle);
    if (!enCurso.Libre())
        return;
    const PVAPI::cDuzediv servicio(ctx.appTitle);
    PVAPI::IControlInforme& c = *ctx.control;
    VentanaImpresion ventana(ctx);
    // From the fill step on, the tables are emptied on every path.
    report::GuardaImpresion guarda(c, ctx.conInformes, doc.vaciar);

    if (doc.deshabilitar == Deshabilitar::DuranteLlenado)
        ventana.Deshabilitar();
    llenar();

    if (doc.guarda == Guarda::FilaTrasLlenar && ctx.conInformes->Execute(doc.consultaGuarda).isEOF()) {
        ventana.Habilitar();
        guarda.VaciarTablas();
        return;
    }
    if (doc.deshabilitar == Deshabilitar::TrasGuarda)
        ventana.Deshabilitar();

    const QString plantilla = doc.elegirPlantilla ? doc.elegirPlantilla() : doc.plantilla;
    PrepararControl(ctx, plantilla, doc.titulo, doc.claveMargenSup, doc.claveMargenIzq, doc.defectoMargenSup,
                    doc.defectoMargenIzq);

    if (doc.guarda == Guarda::CuentaTrasPreparar) {
        const long filas = ctx.conInformes->Execute(doc.consultaGuarda).RecordCount();
        if (doc.deshabilitar != Deshabilitar::Nunca)
            ventana.Habilitar();
        if (filas == 0) {
            guarda.VaciarTablas();
            return;
        }
    }
    if (doc.deshabilitar != Deshabilitar::Nunca)
        ventana.Habilitar();

    c.PrintReport();
    if (doc.final == Final::InformarYVaciar) {
        report::InformarErrorMotor(c, servicio);
        ui::DoEvents();
        guarda.VaciarTablas();
        return;
    }
    ui::DoEvents();
    try {
        guarda.VaciarTablas();
    } catch (...) {
        // The engine's error is still the user's to read.
        report::InformarErrorMotor(c, servicio);
        throw;
    }
    report::InformarErrorMotor(c, servicio);
}

} // namespace impresion
