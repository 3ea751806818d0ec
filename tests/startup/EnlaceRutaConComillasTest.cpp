// A database in a folder whose name holds ";" and quotes, linked through the
// program's own connection dialog: the link is written so that it reads back
// whole, and the start opens the database by it, now and at the next start.

#include "ArranqueFixture.h"

#include "core/cConfiguracion.h"
#include "platform/ui/Ui.h"
#include "startup/frmEnlaceDatos.h"
#include "startup/frmMensaje.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

TEST_F(ArranqueTest, UnaCarpetaConPuntoYComaYComillasSeEnlazaYSeAbre)
{
    const QString datos = carpeta.path() + QStringLiteral("/datos;de \"Ana\" y 'Luis'");
    ASSERT_TRUE(QDir().mkdir(datos));
    const QString base = datos + QStringLiteral("/Duzediv.mdb");
    ASSERT_TRUE(QFile::rename(carpeta.file(QStringLiteral("Duzediv.mdb")), base));
    pantalla().queueAnswer(ui::vbOK);
    dialogos.Responder<frmMensaje>([](frmMensaje& m) {
        m.cmdMensaje(frmMensaje::kDuzediv)->click();
        m.cmdAceptar()->click();
    });
    dialogos.Responder<frmEnlaceDatos>([&](frmEnlaceDatos& e) {
        e.txtOrigenDatos()->setText(base);
        e.cmdAceptar()->click();
    });

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(app.den.conLocal.Property(QStringLiteral("Data Source")), base);
    const QString cadena = cConfiguracion::getConnectionString(carpeta.file(QStringLiteral("duzediv.udl")));
    EXPECT_EQ(cConfiguracion::ObtenerOrigenDatos(cadena), base);
    // What the upgrade's backups read from the open connection.
    EXPECT_EQ(cConfiguracion::ObtenerOrigenDatosDir(app.den.conLocal.ConnectionString()), datos + QLatin1Char('/'));

    modMain.reset();
    app.den = {};
    pantalla().reset();

    EXPECT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);
    EXPECT_TRUE(pantalla().messages().isEmpty()) << pantalla().messageTexts().join(u'|').toStdString();
    EXPECT_EQ(app.den.conLocal.Property(QStringLiteral("Data Source")), base);
    EXPECT_EQ(ventana.mostrada, 2);
}
