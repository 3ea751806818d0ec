#include "platform/report/ControlInforme.h"

#include "platform/report/ErroresInforme.h"
#include "platform/report/MotorInforme.h"
#include "platform/report/SalidaPdf.h"
#include "platform/report/VentanaVistaPrevia.h"
#include "platform/vb/VbError.h"

#include <QApplication>
#include <QWidget>

#include <new>

namespace report {

namespace {

bool EsErrorDelMotor(long numero)
{
    return numero >= err::Memoria && numero <= err::Interno;
}

// The window a preview belongs to: the modal window the user is in (a
// window outside it would get no input), else the active one, else the
// main window.
QWidget* PadreDeVistaPrevia(QWidget* ventanaPrincipal)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* activa = QApplication::activeWindow())
        return activa;
    return ventanaPrincipal;
}

} // namespace

ControlInforme::ControlInforme(QWidget* ventanaPrincipal)
    : m_ventana(ventanaPrincipal)
{
}

void ControlInforme::PrintReport()
{
    empezarEjecucion();
    m_pdf.clear();
    try {
        PeticionInforme p;
        p.plantilla = ReportFileName();
        p.datos = DataFiles(0);
        p.clave = Password();
        p.formulas = FormulasEnUso();
        p.orden = OrdenEnUso();
        p.margenesTwips = QMarginsF(MarginLeft(), MarginTop(), MarginRight(), MarginBottom());
        p.titulo = WindowTitle();
        ModeloPaginas modelo = GenerarInforme(p);

        const QString carpeta = qEnvironmentVariable("DUZEDIV_REPORT_PDF_DIR");
        if (!carpeta.isEmpty()) {
            m_pdf = GuardarPdfEnCarpeta(modelo, carpeta);
            return;
        }
        auto* vista = new VentanaVistaPrevia(std::move(modelo), PadreDeVistaPrevia(m_ventana));
        m_vista = vista;
        vista->show();
        vista->raise();
        vista->activateWindow();
    } catch (const vb::VbError& e) {
        if (EsErrorDelMotor(e.number()))
            fijarError(e.number(), e.description());
        else
            fijarError(err::Interno, err::Descripcion(err::Interno, {QStringLiteral("%1 %2").arg(e.number()).arg(e.description())}));
    } catch (const std::bad_alloc&) {
        fijarError(err::Memoria, err::Descripcion(err::Memoria));
    } catch (const std::exception& e) {
        fijarError(err::Interno, err::Descripcion(err::Interno, {QString::fromLocal8Bit(e.what())}));
    } catch (...) {
        fijarError(err::Interno, err::Descripcion(err::Interno, {QStringLiteral("excepción desconocida")}));
    }
}

} // namespace report
