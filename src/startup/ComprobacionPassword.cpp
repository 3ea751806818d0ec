#include "startup/ComprobacionPassword.h"

#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cCodificadorPassword.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"

#include <utility>

using PVAPI::cCRegistry;

ComprobacionPassword::ComprobacionPassword(PVAPI::cInfoConfiguracion& infoConfig, QString appTitle)
    : m_infoConfig(infoConfig),
      m_appTitle(std::move(appTitle))
{
}

QString ComprobacionPassword::PasswordGuardado() const
{
    const QString seccion = m_infoConfig.Usuario + QLatin1Char('\\') + QString::number(m_infoConfig.idioma)
                            + QLatin1Char('\\') + cCRegistry::PRINCIPAL();
    return settings::GetSetting(m_appTitle, seccion, cCRegistry::PRINCIPAL_CLAVE());
}

bool ComprobacionPassword::Comprobar(const QString& texto) const
{
    QString forma = texto;
    if (!texto.trimmed().isEmpty())
        PVAPI::cCodificadorPassword().Codificar(forma);
    if (PasswordGuardado() != forma)
        return false;
    m_infoConfig.Usuario = QStringLiteral("Administrador");
    return true;
}
