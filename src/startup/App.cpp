#include "startup/App.h"

#include "platform/os/Paths.h"
#include "platform/ui/Ui.h"
#include "core/IVentanaPrincipal.h"

namespace {

App*& Instalada()
{
    static App* actual = nullptr;
    return actual;
}

} // namespace

App::App()
    : m_anterior(Instalada())
{
    Instalada() = this;
}

App::~App()
{
    // The window goes first: it may still use everything below.
    principal = nullptr;
    m_principalPropio.reset();
    // Objects made by add-in libraries go before the connections they may
    // still hold references to.
    gobjContabilidad.reset();
    gobjMensajeria.reset();
    gobjGestPar.reset();
    gobjBancos.reset();
    gobjVodidazaz.reset();
    if (Instalada() == this)
        Instalada() = m_anterior;
}

App* App::Actual()
{
    return Instalada();
}

IVentanaPrincipal* App::Principal()
{
    if (!principal && crearPrincipal) {
        m_principalPropio = crearPrincipal(*this);
        principal = m_principalPropio.get();
    }
    return principal;
}

cConstante& App::gobjConstante()
{
    if (!m_constante)
        m_constante = std::make_unique<cConstante>();
    return *m_constante;
}

QString App::Path()
{
    return os::AppPath();
}

QString App::Title()
{
    return ui::AppTitle();
}
