// The language id of the user's settings branch is fixed at the first start;
// another language environment must not lead to a branch without the
// start-up password.

#include "ArranqueFixture.h"

#include "platform/os/Locale.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cCodificadorPassword.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "startup/IdiomaUsuario.h"
#include "startup/frmPassword.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"

#include <QPushButton>

#include <optional>

using PVAPI::cCRegistry;
using testsupport::ScopedEnv;

namespace {

// The session's language as the environment gives it, nothing injected.
class EntornoDeIdioma {
public:
    explicit EntornoDeIdioma(const char* lang) : m_lang("LANG", QByteArray(lang))
    {
        os::SetLangIDOverride(std::nullopt);
    }
    ~EntornoDeIdioma() { os::SetLangIDOverride(3082); }
    EntornoDeIdioma(const EntornoDeIdioma&) = delete;
    EntornoDeIdioma& operator=(const EntornoDeIdioma&) = delete;

private:
    ScopedEnv m_all{"LC_ALL", std::nullopt};
    ScopedEnv m_numeric{"LC_NUMERIC", std::nullopt};
    ScopedEnv m_lang;
};

QString Seccion(int idioma, const QString& nombre)
{
    return QStringLiteral("Administrador\\%1\\%2").arg(idioma).arg(nombre);
}

void GuardarPassword(int idioma, const QString& password)
{
    settings::SaveSetting(ui::AppTitle(), Seccion(idioma, cCRegistry::PRINCIPAL()), cCRegistry::PRINCIPAL_CLAVE(),
                          PVAPI::cCodificadorPassword::Codificado(password));
}

void MarcarUsada(int idioma)
{
    settings::SaveSetting(ui::AppTitle(), Seccion(idioma, cCRegistry::DOCUMENTOS()),
                          cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("20"));
}

QString Guardado()
{
    return settings::GetSetting(ui::AppTitle(), IdiomaUsuario::Seccion(), IdiomaUsuario::Clave());
}

} // namespace

TEST_F(ArranqueTest, OtroEntornoDeIdiomaSiguePidiendoLaContrasena)
{
    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);
    modMain.reset();
    app.den = {};
    GuardarPassword(3082, QStringLiteral("secreto"));
    const EntornoDeIdioma entorno("C.UTF-8");
    ASSERT_EQ(os::UserDefaultLangID(), 1033);
    dialogos.Responder<frmPassword>([](frmPassword& p) { p.cmdBotonera(frmPassword::kCancelar)->click(); });

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

    EXPECT_EQ(dialogos.Mostrados(), QList<QString>{QStringLiteral("frmPassword")});
    EXPECT_EQ(app.gobjInfoConfig->idioma, 3082);
    EXPECT_EQ(ventana.mostrada, 1);
}

// The first start records the id; a store written before it was recorded
// keeps the branch in use, the one holding a password first.
TEST(IdiomaUsuario, SeFijaEnElPrimerArranqueYSeLeeDespues)
{
    struct Caso {
        const char* nombre;
        const char* entorno;
        std::optional<QString> guardado;
        QList<int> conPassword;
        QList<int> usadas;
        int esperado;
    };
    const Caso casos[] = {
        {"instalación nueva", "C.UTF-8", std::nullopt, {}, {}, 3082},
        {"instalación nueva en español", "es_ES.UTF-8", std::nullopt, {}, {}, 3082},
        {"ya fijado, otro entorno", "es_ES.UTF-8", QStringLiteral("1033"), {}, {3082}, 1033},
        {"sin fijar, con contraseña en 3082", "C.UTF-8", std::nullopt, {3082}, {1033, 3082}, 3082},
        {"sin fijar, con contraseña en 1033", "es_ES.UTF-8", std::nullopt, {1033}, {3082}, 1033},
        {"sin fijar, con contraseña en las dos", "C.UTF-8", std::nullopt, {3082, 1033}, {}, 1033},
        {"sin fijar, rama en uso", "C.UTF-8", std::nullopt, {}, {1033}, 1033},
        {"sin fijar, rama en uso de otro idioma", "C.UTF-8", std::nullopt, {}, {1027}, 1027},
        {"lo guardado no es un id", "C.UTF-8", QStringLiteral("español"), {}, {}, 3082},
        {"lo guardado es cero", "C.UTF-8", QStringLiteral("0"), {}, {1033}, 1033},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        settings::DeleteSetting(ui::AppTitle(), QStringLiteral("Administrador"));
        settings::DeleteSetting(ui::AppTitle(), IdiomaUsuario::Seccion(), IdiomaUsuario::Clave());
        if (caso.guardado)
            settings::SaveSetting(ui::AppTitle(), IdiomaUsuario::Seccion(), IdiomaUsuario::Clave(), *caso.guardado);
        for (const int id : caso.conPassword)
            GuardarPassword(id, QStringLiteral("secreto"));
        for (const int id : caso.usadas)
            MarcarUsada(id);
        const EntornoDeIdioma entorno(caso.entorno);

        EXPECT_EQ(IdiomaUsuario(ui::AppTitle()).Fijar(), caso.esperado);
        EXPECT_EQ(Guardado(), QString::number(caso.esperado));
        // From then on the environment no longer matters.
        const EntornoDeIdioma otro("es_MX.UTF-8");
        EXPECT_EQ(IdiomaUsuario(ui::AppTitle()).Fijar(), caso.esperado);
    }
}
