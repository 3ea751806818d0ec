#include "actions/cIActionMenus.h"

#include "platform/vb/VbError.h"

cIActionMenus::cIActionMenus(App& app, IVentanaAcciones* ventana)
    : m_app(app)
    , m_ventana(ventana)
{
}

IVentanaAcciones& cIActionMenus::Ventana() const
{
    if (!m_ventana)
        throw vb::VbError(91, QStringLiteral("Variable de objeto o bloque With no establecido"));
    return *m_ventana;
}
