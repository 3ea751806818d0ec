#include "dialogs/ComandosOpciones.h"
#include "dialogs/frmAcerca.h"

#include "core/EstadoPrincipal.h"
#include "core/RegistroComandos.h"
#include "core/denDuzediv.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/UiConstants.h"
#include "support/TestEnvironment.h"

#include <QTabBar>

#include <gtest/gtest.h>

namespace {

using testsupport::scriptedUi;

class ComandosOpcionesTest : public ::testing::Test {
protected:
    ComandosOpcionesTest()
    {
        den.conLocal = carpeta.abrir(BaseDatosPrograma::Duzediv);
        info.Usuario = QStringLiteral("Administrador");
        info.idioma = 3082;
        estado.gobjInfoConfig = &info;
        estado.den = &den;
        estado.appTitle = QStringLiteral("Norvia Parvanta 2000");
        comandos.Registrar(QStringLiteral("mnuVerActualizarLista"), [this] { pasos << QStringLiteral("recarga"); });
        servicios.ejecutarDialogo = [this](QDialog& dialogo) {
            pasos << dialogo.objectName();
            if (auto* opciones = qobject_cast<frmOpciones*>(&dialogo)) {
                EXPECT_EQ(opciones->tbsOptions()->count(), 4);
            }
            return 0;
        };
        RegistrarComandosOpciones(comandos, estado, servicios, nullptr);
    }

    TempProgramFolder carpeta;
    denDuzediv den;
    PVAPI::cInfoConfiguracion info;
    EstadoPrincipal estado;
    RegistroComandos comandos;
    ServiciosOpciones servicios;
    QStringList pasos;
};

TEST_F(ComandosOpcionesTest, OpcionesYLuegoRecargaLaLista)
{
    comandos.Ejecutar(QStringLiteral("mnuVerOpciones"));
    EXPECT_EQ(pasos, (QStringList {"frmOpciones", "recarga"}));
}

TEST_F(ComandosOpcionesTest, AcercaDe)
{
    comandos.Ejecutar(QStringLiteral("mnuAyudaAcercade"));
    EXPECT_EQ(pasos, QStringList {"frmAcerca"});
}

TEST_F(ComandosOpcionesTest, SinBasesDeDatosNoEstaDisponible)
{
    estado.den = nullptr;
    scriptedUi().queueAnswer(ui::vbOK);
    comandos.Ejecutar(QStringLiteral("mnuVerOpciones"));
    EXPECT_TRUE(pasos.isEmpty());
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("no está disponible")));
}

} // namespace
