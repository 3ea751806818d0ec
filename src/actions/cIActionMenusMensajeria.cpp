#include "actions/DuenoAccion.h"
#include "actions/cIActionMenus.h"

#include "platform/pvapi/cCOperacion.h"
#include "platform/vb/VbError.h"
#include "startup/App.h"

namespace {

// The exchange takes its operation as a byte: a code outside it is an
// overflow, never a code cut to another one.
quint8 OperacionByte(qint16 intOperacion)
{
    if (intOperacion < 0 || intOperacion > 255)
        vb::ThrowOverflow();
    return quint8(intOperacion);
}

} // namespace

void cIActionMenus::ReenviarMensaje(qint32& lngID)
{
    if (DuenoDisponible(m_app, DuenoAccion::Mensajeria))
        m_app.gobjMensajeria->ReenviarMensaje(lngID, m_app.den.conLocal, *m_app.gobjInfoConfig);
}

void cIActionMenus::EnviarRecibirMensajes(qint16 intOperacion)
{
    const quint8 bytOperacion = OperacionByte(intOperacion);
    if (DuenoDisponible(m_app, DuenoAccion::Mensajeria))
        m_app.gobjMensajeria->EnviarRecibirMensajes(m_app.den.conLocal, bytOperacion);
}

void cIActionMenus::ImportarMensaje(qint16 intOperacion)
{
    if (DuenoDisponible(m_app, DuenoAccion::Mensajeria))
        m_app.gobjMensajeria->ImportarMensaje(m_app.den.conLocal, intOperacion);
}

void cIActionMenus::ExportarMensaje(qint16 intOperacion, qint32& lngID)
{
    if (DuenoDisponible(m_app, DuenoAccion::Mensajeria))
        m_app.gobjMensajeria->ExportarMensaje(m_app.den.conLocal, intOperacion, lngID);
}

// The server knows an installation by the program and its user.
void cIActionMenus::ConexionServidor()
{
    if (!DuenoDisponible(m_app, DuenoAccion::Mensajeria))
        return;
    QString strIdentificacion = App::Title() + QStringLiteral(" - ") + m_app.gobjInfoConfig->Usuario;
    m_app.gobjMensajeria->ConexionServidor(m_app.den.conLocal, PVAPI::cCOperacion::CONEXION, strIdentificacion);
}

void cIActionMenus::AsistenteCuentasCorreo()
{
    if (DuenoDisponible(m_app, DuenoAccion::Mensajeria))
        m_app.gobjMensajeria->AsistenteCuentasCorreo(m_app.den.conLocal);
}
