#include "PVMensajeria/MensajeriaSustituto.h"

#include "comun/AvisoNoDisponible.h"
#include "comun/ModuloDeUnaClase.h"

namespace addins {

void MensajeriaSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("PVMensajeria"), QString::fromLatin1(funcion));
}

void MensajeriaSustituto::NuevoMensaje(db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("NuevoMensaje");
}

void MensajeriaSustituto::PropiedadesMensaje(qint32&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("PropiedadesMensaje");
}

void MensajeriaSustituto::EliminarMensaje(db::Connection&, qint32&)
{
    NoDisponible("EliminarMensaje");
}

void MensajeriaSustituto::ReenviarMensaje(qint32&, db::Connection&, PVAPI::cInfoConfiguracion&)
{
    NoDisponible("ReenviarMensaje");
}

void MensajeriaSustituto::EnviarRecibirMensajes(db::Connection&, quint8)
{
    NoDisponible("EnviarRecibirMensajes");
}

void MensajeriaSustituto::ImportarMensaje(db::Connection&, qint16&)
{
    NoDisponible("ImportarMensaje");
}

void MensajeriaSustituto::ExportarMensaje(db::Connection&, qint16&, qint32&)
{
    NoDisponible("ExportarMensaje");
}

void MensajeriaSustituto::ConexionServidor(db::Connection&, qint16, QString&)
{
    NoDisponible("ConexionServidor");
}

void MensajeriaSustituto::AsistenteCuentasCorreo(db::Connection&)
{
    NoDisponible("AsistenteCuentasCorreo");
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::MensajeriaSustituto)
