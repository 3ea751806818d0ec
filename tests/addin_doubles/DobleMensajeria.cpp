#include "addin_doubles/DobleMensajeria.h"

namespace dobles {

void DobleMensajeria::NuevoMensaje(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("NuevoMensaje", conLocal, objInfoConfig);
}

void DobleMensajeria::PropiedadesMensaje(qint32& lngID, db::Connection& conLocal,
                                         PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("PropiedadesMensaje", lngID, conLocal, objInfoConfig);
}

void DobleMensajeria::EliminarMensaje(db::Connection& conLocal, qint32& lngID)
{
    m_grabadora->Recibir("EliminarMensaje", conLocal, lngID);
}

void DobleMensajeria::ReenviarMensaje(qint32& lngID, db::Connection& conLocal,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Recibir("ReenviarMensaje", lngID, conLocal, objInfoConfig);
}

void DobleMensajeria::EnviarRecibirMensajes(db::Connection& conLocal, quint8 bytOperacion)
{
    m_grabadora->Recibir("EnviarRecibirMensajes", conLocal, bytOperacion);
}

void DobleMensajeria::ImportarMensaje(db::Connection& conLocal, qint16& intOperacion)
{
    m_grabadora->Recibir("ImportarMensaje", conLocal, intOperacion);
}

void DobleMensajeria::ExportarMensaje(db::Connection& conLocal, qint16& intOperacion, qint32& lngID)
{
    m_grabadora->Recibir("ExportarMensaje", conLocal, intOperacion, lngID);
}

void DobleMensajeria::ConexionServidor(db::Connection& conLocal, qint16 intOperacion, QString& strIdentificacion)
{
    m_grabadora->Recibir("ConexionServidor", conLocal, intOperacion, strIdentificacion);
}

void DobleMensajeria::AsistenteCuentasCorreo(db::Connection& conLocal)
{
    m_grabadora->Recibir("AsistenteCuentasCorreo", conLocal);
}

} // namespace dobles
