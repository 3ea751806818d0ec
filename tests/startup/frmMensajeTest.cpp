#include "DialogosGuionados.h"

#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/Ui.h"
#include "startup/frmEnlaceDatos.h"
#include "startup/frmMensaje.h"
#include "support/ScopedEnv.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FrmMensajeTest : public ::testing::Test {
protected:
    frmMensaje::EjecutarDialogo Ejecutar()
    {
        return [this](QDialog& d) { return dialogos(d); };
    }

    PVAPI::cInfoConfiguracion info;
    DialogosGuionados dialogos;
};

} // namespace

TEST_F(FrmMensajeTest, MarcosVisiblesSegunLaContabilidad)
{
    for (const bool contabilidad : {false, true}) {
        info.ContabilidadDLL = contabilidad;
        frmMensaje mensaje(info, Ejecutar());
        EXPECT_EQ(mensaje.windowTitle(), QStringLiteral("Conexión con las bases de datos"));
        EXPECT_TRUE(mensaje.fraMensaje(0)->isVisibleTo(&mensaje));
        EXPECT_FALSE(mensaje.fraMensaje(1)->isVisibleTo(&mensaje));
        EXPECT_EQ(mensaje.fraMensaje(2)->isVisibleTo(&mensaje), contabilidad);
        EXPECT_FALSE(mensaje.mblnSalir);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(mensaje.cmdMensaje(i)->isEnabled());
    }
}

TEST_F(FrmMensajeTest, TextosDeLosMarcos)
{
    frmMensaje mensaje(info, Ejecutar());
    EXPECT_EQ(mensaje.fraMensaje(0)->title(), QStringLiteral("Opciones de la base de datos de Duzediv"));
    EXPECT_EQ(mensaje.fraMensaje(1)->title(), QStringLiteral("Opciones de la base de datos de Informes"));
    EXPECT_EQ(mensaje.fraMensaje(2)->title(), QStringLiteral("Opciones de la base de datos de Contabilidad"));
    EXPECT_EQ(mensaje.lblMensaje(2)->text(),
              QStringLiteral("El acceso a los datos corporativos de Contabilidad se hace mediante un enlace de datos"));
}

TEST_F(FrmMensajeTest, BotonesYCierre)
{
    struct Caso {
        const char* accion;
        bool salir;
    };
    for (const Caso caso : {Caso{"aceptar", false}, Caso{"cancelar", true}, Caso{"escape", true}, Caso{"cerrar", false}}) {
        SCOPED_TRACE(caso.accion);
        frmMensaje mensaje(info, Ejecutar());
        mensaje.show();
        const QString accion = QString::fromLatin1(caso.accion);
        if (accion == u"aceptar")
            mensaje.cmdAceptar()->click();
        else if (accion == u"cancelar")
            mensaje.cmdCancelar()->click();
        else if (accion == u"escape")
            QTest::keyClick(&mensaje, Qt::Key_Escape);
        else
            mensaje.close();
        EXPECT_EQ(mensaje.mblnSalir, caso.salir);
        EXPECT_FALSE(mensaje.isVisible());
    }
}

TEST_F(FrmMensajeTest, PropiedadesSinArchivoDeEnlace)
{
    QTemporaryDir carpeta;
    testsupport::ScopedEnv appPath("DUZEDIV_APP_PATH", carpeta.path().toUtf8());
    testsupport::scriptedUi().queueAnswers({ui::vbOK, ui::vbOK, ui::vbOK});
    frmMensaje mensaje(info, Ejecutar());

    for (int i = 0; i < 3; ++i)
        mensaje.cmdMensaje(i)->click();

    EXPECT_EQ(testsupport::scriptedUi().messageTexts(),
              (QStringList{
                  QStringLiteral("¡No se ha encontrado el archivo Duzediv.udl en el directorio de la aplicación!"),
                  QStringLiteral("¡No se ha encontrado el archivo Informes.udl en el directorio de la aplicación!"),
                  QStringLiteral("¡No se ha encontrado el archivo Contabilidad.udl en el directorio de la aplicación!")}));
    EXPECT_EQ(testsupport::scriptedUi().beepCount(), 3);
    EXPECT_TRUE(dialogos.Mostrados().isEmpty());
}

TEST_F(FrmMensajeTest, CancelarElEditorNoCambiaElEnlace)
{
    QTemporaryDir carpeta;
    testsupport::ScopedEnv appPath("DUZEDIV_APP_PATH", carpeta.path().toUtf8());
    const QString ruta = carpeta.filePath(QStringLiteral("Informes.udl"));
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write("Provider=P;Data Source=/a/Informes.mdb\r\n");
    archivo.close();
    const QByteArray antes = [&] { QFile f(ruta); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    dialogos.Responder<frmEnlaceDatos>([](frmEnlaceDatos& e) {
        EXPECT_EQ(e.OrigenDatos(), QStringLiteral("/a/Informes.mdb"));
        e.txtOrigenDatos()->setText(QStringLiteral("/b/Informes.mdb"));
        e.cmdCancelar()->click();
    });
    frmMensaje mensaje(info, Ejecutar());

    mensaje.cmdMensaje(frmMensaje::kInformes)->click();

    QFile despues(ruta);
    ASSERT_TRUE(despues.open(QIODevice::ReadOnly));
    EXPECT_EQ(despues.readAll(), antes);
}

TEST_F(FrmMensajeTest, UnEnlaceQueNoSePuedeGuardarSeNotifica)
{
    QTemporaryDir carpeta;
    testsupport::ScopedEnv appPath("DUZEDIV_APP_PATH", carpeta.path().toUtf8());
    // A folder where the data-link file should be: it cannot be replaced.
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("duzediv.udl")));
    dialogos.Responder<frmEnlaceDatos>([](frmEnlaceDatos& e) {
        e.txtOrigenDatos()->setText(QStringLiteral("/b/Duzediv.mdb"));
        e.cmdAceptar()->click();
    });
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    frmMensaje mensaje(info, Ejecutar());
    mensaje.show();

    mensaje.cmdMensaje(frmMensaje::kDuzediv)->click();

    const auto error = testsupport::scriptedUi().lastMessage();
    EXPECT_EQ(error.icon, ui::vbCritical);
    EXPECT_TRUE(error.text.contains(QStringLiteral("cmdMensaje_Click()")));
    EXPECT_TRUE(error.text.contains(QStringLiteral("frmMensaje")));
    EXPECT_TRUE(error.text.contains(QStringLiteral("NorviaParvanta2000.vbp")));
    EXPECT_TRUE(mensaje.isVisible());
}
