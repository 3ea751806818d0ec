#include "mainwindow/AccionesMenus.h"

#include "actions/IVentanaAcciones.h"
#include "actions/cIActionMenus.h"
#include "core/EstadoPrincipal.h"

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

cConfigContabilidad& AccionesMenus::Config() const { return m_ventana.Estado().mobjConfigContab; }
qint32 AccionesMenus::Empresa() const { return m_ventana.Estado().mlngCodEmpresaSeleccionada; }

void AccionesMenus::NuevoEpigrafe(qint32 documento, qint32 naturaleza)
{
    bool blnCancelar = false;
    m_objActionMenus().NuevoEpigrafe(Config(), m_ventana.ArbolContabilidad(), Empresa(), documento, naturaleza,
                                     blnCancelar);
}
void AccionesMenus::EditarEpigrafe(qint32 documento)
{
    bool blnCancelar = false;
    m_objActionMenus().EditarEpigrafe(Config(), m_ventana.ArbolContabilidad(), Empresa(), documento, blnCancelar);
}
void AccionesMenus::EliminarEpigrafe(qint32 documento)
{
    m_objActionMenus().EliminarEpigrafe(Config(), m_ventana.ArbolContabilidad(), Empresa(), documento);
}
void AccionesMenus::AsignarCuenta(const QString& naturaleza)
{
    bool blnCancelar = false;
    m_objActionMenus().AsignarCuenta(Config(), m_ventana.ArbolContabilidad(), Empresa(), naturaleza, blnCancelar);
}
void AccionesMenus::DesasignarCuenta(const QString& naturaleza)
{
    m_objActionMenus().DesasignarCuenta(Config(), m_ventana.ArbolContabilidad(), Empresa(), naturaleza);
}
void AccionesMenus::NuevaCuenta() { m_objActionMenus().NuevaCuenta(Config(), Empresa()); }
void AccionesMenus::NuevaSubcuenta() { m_objActionMenus().NuevaSubcuenta(Config(), Empresa()); }
void AccionesMenus::EditarCuenta(qint32 id) { m_objActionMenus().EditarCuenta(Config(), Empresa(), id); }
void AccionesMenus::EditarSubcuenta(qint32 id) { m_objActionMenus().EditarSubcuenta(Config(), Empresa(), id); }
void AccionesMenus::NuevaEmpresa(qint32& id) { m_objActionMenus().NuevaEmpresa(id); }
void AccionesMenus::EnlaceContabilidad() { m_objActionMenus().EnlaceContabilidad(); }
void AccionesMenus::EnlaceContabManual() { m_objActionMenus().EnlaceContabManual(); }

void AccionesMenus::Imprimir(DocumentoRegistro documento, qint32& id, QString& d)
{
    cIActionMenus& a = m_objActionMenus();
    switch (documento) {
    case DocumentoRegistro::Libro: a.ImprimirLibro(id, d); break;
    case DocumentoRegistro::IndiceLibro: a.ImprimirIndiceLibro(id, d); break;
    case DocumentoRegistro::CertificadoLiteral: a.ImprimirCertificadoLiteralPartida(id, d); break;
    case DocumentoRegistro::Certificado: a.ImprimirCertificadoPartida(id, d); break;
    case DocumentoRegistro::Volante: a.ImprimirVolante(id, d); break;
    case DocumentoRegistro::Partida: a.ImprimirPartida(id, d); break;
    case DocumentoRegistro::Notificacion: a.ImprimirNotificacion(id, d); break;
    case DocumentoRegistro::SolicitudDatos: a.ImprimirSolicitudPartidaDatos(id, d); break;
    case DocumentoRegistro::ComunicacionMatrimonio: a.ImprimirComunicacionMatrimonio(id); break;
    case DocumentoRegistro::ExhortoAmonestaciones: a.ImprimirExhortoAmonestacionesMatrimonio(id); break;
    }
}

void AccionesMenus::ImprimirPartidaSinLibro() { m_objActionMenus().ImprimirPartidaSinLibro(); }
void AccionesMenus::ImprimirRecibosCaja() { m_objActionMenus().ImprimirRecibosCaja(); }
void AccionesMenus::ImportarTablas() { m_objActionMenus().ImportarTablas(); }

void AccionesMenus::ImprimirExpediente(ExpedienteMatrimonio expediente, const QString& clave)
{
    cIActionMenus& a = m_objActionMenus();
    switch (expediente) {
    case ExpedienteMatrimonio::Formato1: a.ImprimirExpedienteFormato1(clave); break;
    case ExpedienteMatrimonio::Formato2: a.ImprimirExpedienteFormato2(clave); break;
    case ExpedienteMatrimonio::Formato3: a.ImprimirExpedienteFormato3(clave); break;
    case ExpedienteMatrimonio::Resumen: a.ImprimirResumenMatrimonio(clave); break;
    case ExpedienteMatrimonio::Resumen2: a.ImprimirResumenMatrimonio2(clave); break;
    }
}
