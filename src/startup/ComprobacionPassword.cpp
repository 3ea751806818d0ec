#include "startup/ComprobacionPassword.h"

#include "core/AjustesUsuario.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cCodificadorPassword.h"
#include "platform/pvapi/cInfoConfiguracion.h"

#include <utility>

using PVAPI::cCRegistry;

ComprobacionPassword::ComprobacionPassword(PVAPI::cInfoConfiguracion& infoConfig, QString appTitle)
    : m_infoConfig(infoConfig),
      m_appTitle(std::move(appTitle))
{
}

QString ComprobacionPassword::PasswordGuardado() const
{
    const AjustesUsuario ajustes{m_appTitle, m_infoConfig.Usuario, m_infoConfig.idioma};
    return ajustes.Leer(ajustes.Seccion(cCRegistry::PRINCIPAL()), cCRegistry::PRINCIPAL_CLAVE());
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
