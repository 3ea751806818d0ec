#include "platform/pvapi/cDuzediv.h"

#include "platform/db/DbErrors.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/VentanaProgreso.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"

#include <utility>

namespace PVAPI {

cDuzediv::cDuzediv(QString appTitle)
    : m_appTitle(std::move(appTitle))
{
}

cDuzediv::~cDuzediv()
{
    if (m_informador)
        ui::SetErrorReporter({});
}

void cDuzediv::RegistrarComoInformador()
{
    ui::SetErrorReporter([this](const QString& procedimiento, const QString& modulo, const QString& proyecto) {
        VerError(procedimiento, modulo, proyecto);
    });
    m_informador = true;
}

void cDuzediv::VerError(const QString& procedimiento, const QString& modulo, const QString& proyecto) const
{
    const vb::ErrObject& err = vb::Err();
    // Another workstation using the data is part of working together, not a
    // fault: the user, who has just chosen not to wait, reads only what could
    // not be done.
    if (err.Number == db::err::Busy) {
        ui::MsgBox(err.Description, ui::vbOKOnly + ui::vbExclamation, m_appTitle);
        return;
    }
    const QString texto = QStringLiteral("Se ha producido un error inesperado.\n\n"
                                         "Error: %1\n"
                                         "Descripción: %2\n"
                                         "Procedimiento: %3\n"
                                         "Módulo: %4\n"
                                         "Proyecto: %5")
                              .arg(err.Number)
                              .arg(err.Description, procedimiento, modulo, proyecto);
    ui::MsgBox(texto, ui::vbOKOnly + ui::vbCritical, m_appTitle);
}

void cDuzediv::VerErrorCrystal(const IControlInforme& control) const
{
    const QString texto = QStringLiteral("Se ha producido un error al generar el informe.\n\n"
                                         "Error: %1\n"
                                         "Descripción: %2")
                              .arg(control.LastErrorNumber())
                              .arg(control.LastErrorString());
    ui::MsgBox(texto, ui::vbOKOnly + ui::vbCritical, m_appTitle);
}

void cDuzediv::ProgresoLoad(int maximo, const QString& titulo, int estilo)
{
    m_progreso = std::make_unique<VentanaProgreso>(maximo, titulo, estilo);
    m_progreso->show();
    ui::DoEvents();
}

void cDuzediv::ProgresoRefresh(int valor)
{
    if (!m_progreso)
        return;
    m_progreso->Mover(valor);
    ui::DoEvents();
}

void cDuzediv::ProgresoUnload()
{
    m_progreso.reset();
}

} // namespace PVAPI
