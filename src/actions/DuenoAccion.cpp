#include "actions/DuenoAccion.h"

#include "platform/ui/AvisoNoDisponible.h"
#include "startup/App.h"

namespace {

bool Existe(const App& app, DuenoAccion dueno)
{
    switch (dueno) {
    case DuenoAccion::GestPar:
        return app.gobjGestPar != nullptr;
    case DuenoAccion::Vodidazaz:
        return app.gobjVodidazaz != nullptr;
    case DuenoAccion::Bancos:
        return app.gobjBancos != nullptr;
    case DuenoAccion::Mensajeria:
        return app.gobjMensajeria != nullptr;
    case DuenoAccion::Contabilidad:
        return app.gobjContabilidad != nullptr;
    case DuenoAccion::Duzediv:
        return app.gobjDuzediv != nullptr;
    case DuenoAccion::Programa:
        return true;
    }
    return false;
}

} // namespace

bool DuenoDisponible(const App& app, DuenoAccion dueno)
{
    if (Existe(app, dueno))
        return true;
    ui::AvisoNoDisponible();
    return false;
}
