#include "core/AjustesUsuario.h"

#include "platform/settings/Settings.h"

QString AjustesUsuario::Prefijo() const
{
    return usuario + QLatin1Char('\\') + QString::number(idioma);
}

QString AjustesUsuario::Seccion(const QString& nombre) const
{
    return Prefijo() + QLatin1Char('\\') + nombre;
}

QString AjustesUsuario::SeccionNodo(const QString& captions) const
{
    return Prefijo() + QStringLiteral("\\Nodos\\") + captions;
}

QString AjustesUsuario::SeccionGrids() const
{
    return Prefijo() + QStringLiteral("\\Grids\\Principal");
}

QString AjustesUsuario::Leer(const QString& seccion, const QString& clave, const QString& defecto) const
{
    return settings::GetSetting(aplicacion, seccion, clave, defecto);
}

void AjustesUsuario::Guardar(const QString& seccion, const QString& clave, const QString& valor) const
{
    settings::SaveSetting(aplicacion, seccion, clave, valor);
}
