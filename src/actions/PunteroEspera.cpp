#include "actions/PunteroEspera.h"

#include "platform/ui/Ui.h"

#include <exception>

PunteroEspera::PunteroEspera(ui::MousePointer durante)
    : m_excepciones(std::uncaught_exceptions())
{
    ui::Current().setMousePointer(durante);
}

PunteroEspera::~PunteroEspera()
{
    const bool error = std::uncaught_exceptions() > m_excepciones;
    if (error || !m_mantener)
        ui::Current().setMousePointer(ui::vbDefault);
}

void PunteroEspera::Predeterminado()
{
    ui::Current().setMousePointer(ui::vbDefault);
}
