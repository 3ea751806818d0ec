#include "mainwindow/AccionesMenus.h"

#include "actions/cIActionMenus.h"

void AccionesMenus::Nuevo(QString& s, QString& d) { m_objActionMenus().Nuevo(s, d); }
void AccionesMenus::Editar(QString& s, qint32& id, QString& d) { m_objActionMenus().Editar(s, id, d); }
void AccionesMenus::Eliminar(QString& s, qint32& id, QString& d) { m_objActionMenus().Eliminar(s, id, d); }
void AccionesMenus::AntiguaPartida(QString& s, QString& d) { m_objActionMenus().AntiguaPartida(s, d); }
void AccionesMenus::ImportarSolicitudes(QString& s, QString& d)
{
    m_objActionMenus().ImportarSolicitudes(s, d);
}
void AccionesMenus::CerrarLibrosBautismo(QString& s, qint32& id)
{
    m_objActionMenus().CerrarLibrosBautismo(s, id);
}
void AccionesMenus::CerrarLibrosConfirmacion(QString& s, qint32& id)
{
    m_objActionMenus().CerrarLibrosConfirmacion(s, id);
}
void AccionesMenus::CerrarLibrosMatrimonio(QString& s, qint32& id)
{
    m_objActionMenus().CerrarLibrosMatrimonio(s, id);
}
void AccionesMenus::CerrarLibrosDefuncion(QString& s, qint32& id)
{
    m_objActionMenus().CerrarLibrosDefuncion(s, id);
}
void AccionesMenus::AnularDesanularPartida(qint32& id, QString& d)
{
    m_objActionMenus().AnularDesanularPartida(id, d);
}
void AccionesMenus::GenerarDisco(qint32& id) { m_objActionMenus().GenerarDisco(id); }
void AccionesMenus::ReenviarMensaje(qint32& id) { m_objActionMenus().ReenviarMensaje(id); }
void AccionesMenus::EnviarRecibirMensajes(qint16 op) { m_objActionMenus().EnviarRecibirMensajes(op); }
void AccionesMenus::ImportarMensaje(qint16 op) { m_objActionMenus().ImportarMensaje(op); }
void AccionesMenus::ExportarMensaje(qint16 op, qint32& id) { m_objActionMenus().ExportarMensaje(op, id); }
void AccionesMenus::ConexionServidor() { m_objActionMenus().ConexionServidor(); }
void AccionesMenus::AsistenteCuentasCorreo() { m_objActionMenus().AsistenteCuentasCorreo(); }
void AccionesMenus::GenerarCertificado() { m_objActionMenus().GenerarCertificado(); }
void AccionesMenus::ExportarTotales() { m_objActionMenus().ExportarTotales(); }
void AccionesMenus::ModeloHacienda() { m_objActionMenus().ModeloHacienda(); }
