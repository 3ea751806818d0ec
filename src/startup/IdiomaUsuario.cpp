#include "startup/IdiomaUsuario.h"

#include "core/AjustesUsuario.h"
#include "platform/os/Locale.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/settings/Settings.h"

#include <limits>
#include <utility>

using PVAPI::cCRegistry;

namespace {

const QString kUsuario = QStringLiteral("Administrador");

QList<qint16> Candidatos()
{
    QList<qint16> ids{static_cast<qint16>(os::UserDefaultLangID())};
    for (const quint16 id : os::KnownLangIDs()) {
        if (!ids.contains(static_cast<qint16>(id)))
            ids.append(static_cast<qint16>(id));
    }
    return ids;
}

} // namespace

IdiomaUsuario::IdiomaUsuario(QString appTitle)
    : m_appTitle(std::move(appTitle))
{
}

QString IdiomaUsuario::Seccion() { return cCRegistry::PRINCIPAL(); }

QString IdiomaUsuario::Clave() { return QStringLiteral("Idioma"); }

qint16 IdiomaUsuario::Fijar() const
{
    bool esNumero = false;
    const int guardado = settings::GetSetting(m_appTitle, Seccion(), Clave()).toInt(&esNumero);
    if (esNumero && guardado > 0 && guardado <= std::numeric_limits<qint16>::max())
        return static_cast<qint16>(guardado);
    const qint16 elegido = Elegir();
    settings::SaveSetting(m_appTitle, Seccion(), Clave(), QString::number(elegido));
    return elegido;
}

qint16 IdiomaUsuario::Elegir() const
{
    const QList<qint16> candidatos = Candidatos();
    for (const qint16 id : candidatos) {
        if (TienePassword(id))
            return id;
    }
    for (const qint16 id : candidatos) {
        if (Usada(id))
            return id;
    }
    return kNuevaInstalacion;
}

bool IdiomaUsuario::TienePassword(qint16 idioma) const
{
    const AjustesUsuario ajustes{m_appTitle, kUsuario, idioma};
    return !ajustes.Leer(ajustes.Seccion(cCRegistry::PRINCIPAL()), cCRegistry::PRINCIPAL_CLAVE()).isEmpty();
}

// Every start that gets past the login writes the top margin of its branch.
bool IdiomaUsuario::Usada(qint16 idioma) const
{
    const AjustesUsuario ajustes{m_appTitle, kUsuario, idioma};
    return !ajustes.Leer(ajustes.Seccion(cCRegistry::DOCUMENTOS()), cCRegistry::DOCUMENTOS_MARGENSUPERIOR()).isEmpty();
}
