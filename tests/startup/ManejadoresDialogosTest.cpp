// Every event handler of the start-up dialogs runs through the one wrapper:
// a failure is reported by VerError with the form's names and the dialog
// stays usable.

#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cCodificadorPassword.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "platform/vb/VbError.h"
#include "startup/frmEnlaceDatos.h"
#include "startup/frmMensaje.h"
#include "startup/frmPassword.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedUi.h"
#include "support/TestEnvironment.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using PVAPI::cCRegistry;

namespace {

// A screen whose beep fails while `fallar` is set: the first statement of
// the dialogs' refusal paths.
class PantallaQueFalla : public testsupport::ScriptedUi {
public:
    PantallaQueFalla() { ui::SetCurrent(this); }
    ~PantallaQueFalla() override { ui::SetCurrent(&testsupport::scriptedUi()); }

    void Beep() override
    {
        if (fallar)
            throw vb::VbError(5, QStringLiteral("Llamada a procedimiento o argumento no válidos"));
        ScriptedUi::Beep();
    }

    bool fallar = true;
};

class ManejadoresTest : public ::testing::Test {
protected:
    ManejadoresTest() { informador.RegistrarComoInformador(); }

    // The report VerError gave for one handler of one form.
    static void EsperarInforme(const testsupport::ScriptedUi& pantalla, const char* procedimiento, const char* modulo)
    {
        ASSERT_FALSE(pantalla.messages().isEmpty());
        const auto informe = pantalla.messages().first();
        EXPECT_EQ(informe.icon, ui::vbCritical);
        EXPECT_TRUE(informe.text.startsWith(QStringLiteral("Se ha producido un error inesperado."))) << informe.text.toStdString();
        EXPECT_TRUE(informe.text.contains(QStringLiteral("Procedimiento: ") + QLatin1String(procedimiento)));
        EXPECT_TRUE(informe.text.contains(QStringLiteral("Módulo: ") + QLatin1String(modulo)));
        EXPECT_TRUE(informe.text.contains(QStringLiteral("Proyecto: NorviaParvanta2000.vbp")));
    }

    PVAPI::cDuzediv informador{ui::AppTitle()};
    PVAPI::cInfoConfiguracion info;
};

} // namespace

TEST_F(ManejadoresTest, FrmPasswordInformaYSigueAceptandoContrasenas)
{
    info.Usuario = QStringLiteral("Administrador");
    info.idioma = 3082;
    settings::SaveSetting(ui::AppTitle(), QStringLiteral("Administrador\\3082\\") + cCRegistry::PRINCIPAL(),
                          cCRegistry::PRINCIPAL_CLAVE(), PVAPI::cCodificadorPassword::Codificado(QStringLiteral("secreto")));
    PantallaQueFalla pantalla;
    pantalla.queueAnswer(ui::vbOK);
    frmPassword dialogo(info, ui::AppTitle());
    dialogo.show();

    dialogo.txtPassword()->setText(QStringLiteral("malo"));
    dialogo.cmdBotonera(frmPassword::kAceptar)->click();

    EsperarInforme(pantalla, "cmdBotonera_Click()", "frmPassword");
    EXPECT_EQ(pantalla.messages().size(), 1);
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_TRUE(dialogo.isEnabled());
    EXPECT_FALSE(dialogo.mblnOK);

    pantalla.fallar = false;
    dialogo.txtPassword()->setText(QStringLiteral("secreto"));
    dialogo.cmdBotonera(frmPassword::kAceptar)->click();
    EXPECT_TRUE(dialogo.mblnOK);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(pantalla.pendingAnswers(), 0);
}

TEST_F(ManejadoresTest, FrmMensajeInformaYSePuedeCerrar)
{
    QTemporaryDir carpeta;
    const testsupport::ScopedEnv programa("DUZEDIV_APP_PATH", carpeta.path().toUtf8());
    PantallaQueFalla pantalla;
    pantalla.queueAnswer(ui::vbOK);
    frmMensaje mensaje(info, [](QDialog&) { return int(QDialog::Rejected); });
    mensaje.show();

    // No data-link file: the refusal beeps first, and the beep fails.
    mensaje.cmdMensaje(frmMensaje::kDuzediv)->click();

    EsperarInforme(pantalla, "cmdMensaje_Click()", "frmMensaje");
    EXPECT_EQ(pantalla.messages().size(), 1);
    EXPECT_TRUE(mensaje.isVisible());
    EXPECT_TRUE(mensaje.isEnabled());
    mensaje.cmdCancelar()->click();
    EXPECT_TRUE(mensaje.mblnSalir);
    EXPECT_FALSE(mensaje.isVisible());
    EXPECT_EQ(pantalla.pendingAnswers(), 0);
}

TEST_F(ManejadoresTest, FrmEnlaceDatosInformaYConservaLoEscrito)
{
    auto& pantalla = testsupport::scriptedUi();
    pantalla.queueAnswer(ui::vbOK);
    frmEnlaceDatos editor(QStringLiteral("duzediv.udl"), QStringLiteral("/datos/Duzediv.mdb"), [](QDialog&) -> int {
        throw vb::VbError(7, QStringLiteral("Memoria insuficiente"));
    });
    editor.show();

    editor.cmdExaminar()->click();

    EsperarInforme(pantalla, "cmdExaminar_Click()", "frmEnlaceDatos");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(editor.isEnabled());
    EXPECT_EQ(editor.OrigenDatos(), QStringLiteral("/datos/Duzediv.mdb"));
    editor.txtOrigenDatos()->setText(QStringLiteral("/otros/Duzediv.mdb"));
    editor.cmdAceptar()->click();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(editor.OrigenDatos(), QStringLiteral("/otros/Duzediv.mdb"));
}
