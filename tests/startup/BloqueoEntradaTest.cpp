#include "ArranqueFixture.h"

#include "LocksHelperProcess.h"

#include "startup/AperturaBasesDatos.h"

// Another workstation, here another process, holds the entry lock of the
// data folder (an import is running there).
TEST_F(ArranqueTest, BloqueoDeEntradaDeOtroEquipoAvisaYTermina)
{
    LocksHelperProcess otroEquipo;
    ASSERT_EQ(otroEquipo.send(QStringLiteral("iniciar ") + carpeta.path() + QLatin1Char('/')), QStringLiteral("ok"));
    ASSERT_EQ(otroEquipo.send(QStringLiteral("entrada")), QStringLiteral("ok"));
    pantalla().queueAnswer(ui::vbOK);

    EXPECT_EQ(Arrancar(), ModMain::Resultado::Terminado);

    EXPECT_EQ(terminaciones, QList<int>{0});
    EXPECT_EQ(pantalla().lastMessage().text, AperturaBasesDatos::kAvisoBloqueoEntrada);
    EXPECT_EQ(pantalla().lastMessage().icon, ui::vbExclamation);
    EXPECT_FALSE(app.den.conLocal.isOpen());
    EXPECT_EQ(ventana.mostrada, 0);
    EXPECT_TRUE(otroEquipo.quit());
}

TEST_F(ArranqueTest, BloqueoLiberadoPermiteArrancar)
{
    LocksHelperProcess otroEquipo;
    ASSERT_EQ(otroEquipo.send(QStringLiteral("iniciar ") + carpeta.path() + QLatin1Char('/')), QStringLiteral("ok"));
    ASSERT_EQ(otroEquipo.send(QStringLiteral("entrada")), QStringLiteral("ok"));
    ASSERT_EQ(otroEquipo.send(QStringLiteral("liberar")), QStringLiteral("ok"));

    EXPECT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);
    EXPECT_TRUE(otroEquipo.quit());
}
