#include "addin_doubles/DobleMensajeria.h"

namespace dobles {

void DobleMensajeria::NuevoMensaje(db::Connection& conLocal, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("NuevoMensaje", conLocal, objInfoConfig);
}

void DobleMensajeria::PropiedadesMensaje(qint32& lngID, db::Connection& conLocal,
                                         PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("PropiedadesMensaje", lngID, conLocal, objInfoConfig);
    m_grabadora->Salida("PropiedadesMensaje", 0, lngID);
}

void DobleMensajeria::EliminarMensaje(db::Connection& conLocal, qint32& lngID)
{
    m_grabadora->Anotar("EliminarMensaje", conLocal, lngID);
    m_grabadora->Salida("EliminarMensaje", 1, lngID);
}

void DobleMensajeria::ReenviarMensaje(qint32& lngID, db::Connection& conLocal,
                                      PVAPI::cInfoConfiguracion& objInfoConfig)
{
    m_grabadora->Anotar("ReenviarMensaje", lngID, conLocal, objInfoConfig);
    m_grabadora->Salida("ReenviarMensaje", 0, lngID);
}

void DobleMensajeria::EnviarRecibirMensajes(db::Connection& conLocal, quint8 bytOperacion)
{
    m_grabadora->Anotar("EnviarRecibirMensajes", conLocal, bytOperacion);
}

void DobleMensajeria::ImportarMensaje(db::Connection& conLocal, qint16& intOperacion)
{
    m_grabadora->Anotar("ImportarMensaje", conLocal, intOperacion);
    m_grabadora->Salida("ImportarMensaje", 1, intOperacion);
}

void DobleMensajeria::ExportarMensaje(db::Connection& conLocal, qint16& intOperacion, qint32& lngID)
{
    m_grabadora->Anotar("ExportarMensaje", conLocal, intOperacion, lngID);
    m_grabadora->Salida("ExportarMensaje", 1, intOperacion);
    m_grabadora->Salida("ExportarMensaje", 2, lngID);
}

void DobleMensajeria::ConexionServidor(db::Connection& conLocal, qint16 intOperacion, QString& strIdentificacion)
{
    m_grabadora->Anotar("ConexionServidor", conLocal, intOperacion, strIdentificacion);
    m_grabadora->Salida("ConexionServidor", 2, strIdentificacion);
}

void DobleMensajeria::AsistenteCuentasCorreo(db::Connection& conLocal)
{
    m_grabadora->Anotar("AsistenteCuentasCorreo", conLocal);
}

} // namespace dobles
