#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cCodificadorPassword.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "startup/ComprobacionPassword.h"
#include "startup/frmPassword.h"
#include "support/TestEnvironment.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using PVAPI::cCRegistry;

namespace {

class PasswordTest : public ::testing::Test {
protected:
    PasswordTest()
    {
        info.Usuario = QStringLiteral("Administrador");
        info.idioma = 3082;
    }

    void Guardar(const QString& valor)
    {
        settings::SaveSetting(ui::AppTitle(), QStringLiteral("Administrador\\3082\\") + cCRegistry::PRINCIPAL(),
                              cCRegistry::PRINCIPAL_CLAVE(), valor);
    }

    PVAPI::cInfoConfiguracion info;
};

} // namespace

TEST_F(PasswordTest, Comprobacion)
{
    struct Caso {
        QString guardado;  // clear text, encoded before it is stored ("" stays "")
        QString tecleado;
        bool acepta;
    };
    const Caso casos[] = {
        {QStringLiteral("secreto"), QStringLiteral("secreto"), true},
        {QStringLiteral("secreto"), QStringLiteral("Secreto"), false},
        {QStringLiteral("secreto"), QStringLiteral(" secreto"), false},
        {QStringLiteral("secreto"), QString(), false},
        {QStringLiteral("secreto"), QStringLiteral("   "), false},
        {QString(), QString(), true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE((caso.guardado + QLatin1Char('|') + caso.tecleado).toStdString());
        Guardar(PVAPI::cCodificadorPassword::Codificado(caso.guardado));
        info.Usuario = QStringLiteral("Administrador");
        EXPECT_EQ(ComprobacionPassword(info, ui::AppTitle()).Comprobar(caso.tecleado), caso.acepta);
    }
}

TEST_F(PasswordTest, BlancosNoPasanPorElCodificador)
{
    // A stored value of blanks can only be matched by the same blanks.
    Guardar(QStringLiteral("  "));
    EXPECT_TRUE(ComprobacionPassword(info, ui::AppTitle()).Comprobar(QStringLiteral("  ")));
}

TEST_F(PasswordTest, DialogoAlCargar)
{
    frmPassword dialogo(info, ui::AppTitle());
    EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Contraseña"));
    EXPECT_FALSE(dialogo.mblnOK);
    EXPECT_EQ(dialogo.txtPassword()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialogo.cmdBotonera(frmPassword::kAceptar)->text(), QStringLiteral("&Aceptar"));
    EXPECT_EQ(dialogo.cmdBotonera(frmPassword::kCancelar)->text(), QStringLiteral("&Cancelar"));
}

TEST_F(PasswordTest, NoAdmiteMasDeVeinteCaracteres)
{
    frmPassword dialogo(info, ui::AppTitle());
    dialogo.show();
    QTest::keyClicks(dialogo.txtPassword(), QStringLiteral("123456789012345678901234"));
    EXPECT_EQ(dialogo.txtPassword()->text(), QStringLiteral("12345678901234567890"));
}

TEST_F(PasswordTest, IncorrectoAvisaYVaciaLaCaja)
{
    Guardar(PVAPI::cCodificadorPassword::Codificado(QStringLiteral("secreto")));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    frmPassword dialogo(info, ui::AppTitle());
    dialogo.show();

    dialogo.txtPassword()->setText(QStringLiteral("malo"));
    dialogo.cmdBotonera(frmPassword::kAceptar)->click();

    EXPECT_FALSE(dialogo.mblnOK);
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_TRUE(dialogo.txtPassword()->text().isEmpty());
    const auto mensaje = testsupport::scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.text, QStringLiteral("¡La contraseña no es valida!"));
    EXPECT_EQ(mensaje.icon, ui::vbExclamation);
    EXPECT_EQ(testsupport::scriptedUi().beepCount(), 1);
}

TEST_F(PasswordTest, CorrectoAceptaYCierra)
{
    Guardar(PVAPI::cCodificadorPassword::Codificado(QStringLiteral("secreto")));
    info.Usuario = QStringLiteral("Otro");
    // The section is read with the user current at the check.
    settings::SaveSetting(ui::AppTitle(), QStringLiteral("Otro\\3082\\") + cCRegistry::PRINCIPAL(),
                          cCRegistry::PRINCIPAL_CLAVE(), PVAPI::cCodificadorPassword::Codificado(QStringLiteral("secreto")));
    frmPassword dialogo(info, ui::AppTitle());
    dialogo.show();

    dialogo.txtPassword()->setText(QStringLiteral("secreto"));
    dialogo.cmdBotonera(frmPassword::kAceptar)->click();

    EXPECT_TRUE(dialogo.mblnOK);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(info.Usuario, QStringLiteral("Administrador"));
}

TEST_F(PasswordTest, PunteroAlMostrarYAlDescargar)
{
    ui::Current().setMousePointer(ui::vbHourglass);
    frmPassword dialogo(info, ui::AppTitle());
    dialogo.show();
    EXPECT_EQ(ui::Current().mousePointer(), ui::vbDefault);
    dialogo.Form_Unload();
    EXPECT_EQ(ui::Current().mousePointer(), ui::vbHourglass);
}
