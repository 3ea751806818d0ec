#include "ArranqueFixture.h"

#include "platform/db/DatabaseFiles.h"
#include "platform/pvapi/cCPassword.h"
#include "platform/ui/Ui.h"
#include "startup/AperturaBasesDatos.h"
#include "core/ArchivoUdl.h"
#include "core/cConfiguracion.h"
#include "startup/frmEnlaceDatos.h"
#include "startup/frmMensaje.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using ui::vbCancel;
using ui::vbOK;

namespace {

const QString kFaltan = QStringLiteral("No se pudieron encontrar las bases de datos corporativas de:");

QList<bool> Habilitados(const frmMensaje& mensaje)
{
    return {mensaje.cmdMensaje(0)->isEnabled(), mensaje.cmdMensaje(1)->isEnabled(), mensaje.cmdMensaje(2)->isEnabled()};
}

} // namespace

class AperturaTest : public ArranqueTest {
protected:
    void Enlazar(const QString& enlace, const QString& baseDatos)
    {
        ASSERT_TRUE(EscribirArchivoUdl(carpeta.file(enlace), CadenaConexionVinculo(baseDatos)));
    }

    QString OrigenDelEnlace(const QString& enlace)
    {
        return cConfiguracion::ObtenerOrigenDatos(cConfiguracion::getConnectionString(carpeta.file(enlace)));
    }
};

TEST_F(AperturaTest, SinEnlaceDeDatosYCancelar)
{
    QuitarArchivo(QStringLiteral("duzediv.udl"));
    pantalla().queueAnswer(vbCancel);

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

    const auto mensaje = pantalla().lastMessage();
    EXPECT_EQ(mensaje.text, kFaltan + QStringLiteral("\rDuzediv.mdb"));
    EXPECT_EQ(mensaje.buttons, ui::vbOKCancel);
    EXPECT_EQ(mensaje.icon, ui::vbExclamation);
    EXPECT_TRUE(mensaje.helpButton);
    EXPECT_EQ(mensaje.helpContext, 25);
    EXPECT_TRUE(mensaje.helpFile.endsWith(QStringLiteral("Duzediv.html")));
    EXPECT_EQ(pantalla().beepCount(), 1);
    EXPECT_TRUE(dialogos.Mostrados().isEmpty());
    EXPECT_EQ(ventana.mostrada, 0);
    // The others opened in the same pass.
    EXPECT_TRUE(app.den.conInformes.isOpen());
}

TEST_F(AperturaTest, EnlaceAUnArchivoConOtroNombreSeCorrigeEnElDialogo)
{
    const QString copia = carpeta.path() + QStringLiteral("/Copia.mdb");
    ASSERT_TRUE(QFile::copy(carpeta.file(QStringLiteral("Duzediv.mdb")), copia));
    Enlazar(QStringLiteral("duzediv.udl"), copia);
    pantalla().queueAnswer(vbOK);
    QList<bool> habilitados;
    bool informesVisible = true;
    dialogos.Responder<frmMensaje>([&](frmMensaje& m) {
        habilitados = Habilitados(m);
        informesVisible = m.fraMensaje(frmMensaje::kInformes)->isVisibleTo(&m);
        m.cmdMensaje(0)->click();
        m.cmdAceptar()->click();
    });
    QString mostrado;
    const QString original = carpeta.file(QStringLiteral("Duzediv.mdb"));
    dialogos.Responder<frmEnlaceDatos>([&](frmEnlaceDatos& e) {
        mostrado = e.txtOrigenDatos()->text();
        e.txtOrigenDatos()->setText(original);
        e.cmdAceptar()->click();
    });

    EXPECT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(pantalla().lastMessage().text, kFaltan + QStringLiteral("\rDuzediv.mdb"));
    EXPECT_EQ(habilitados, (QList<bool>{true, false, false}));
    EXPECT_FALSE(informesVisible);
    EXPECT_EQ(mostrado, QFileInfo(copia).absoluteFilePath());
    EXPECT_EQ(OrigenDelEnlace(QStringLiteral("duzediv.udl")), original);
    EXPECT_EQ(app.den.conLocal.Property(QStringLiteral("Data Source")), original);
    EXPECT_EQ(ventana.mostrada, 1);
}

TEST_F(AperturaTest, AceptarSinCambiosRepiteElMensaje)
{
    QuitarArchivo(QStringLiteral("duzediv.udl"));
    pantalla().queueAnswers({vbOK, vbCancel});
    dialogos.Responder<frmMensaje>([](frmMensaje& m) { m.cmdAceptar()->click(); });

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

    EXPECT_EQ(pantalla().messageTexts(), (QStringList{kFaltan + QStringLiteral("\rDuzediv.mdb"),
                                                      kFaltan + QStringLiteral("\rDuzediv.mdb")}));
}

TEST_F(AperturaTest, CancelarEnElDialogoDeConexion)
{
    QuitarArchivo(QStringLiteral("duzediv.udl"));
    pantalla().queueAnswers({vbOK, vbOK});
    dialogos.Responder<frmMensaje>([](frmMensaje& m) {
        // Without the data-link file there is nothing to edit.
        m.cmdMensaje(0)->click();
        m.cmdCancelar()->click();
    });

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡No se ha encontrado el archivo Duzediv.udl en el directorio de la aplicación!"));
    EXPECT_EQ(dialogos.Mostrados(), QList<QString>{QStringLiteral("frmMensaje")});
    EXPECT_EQ(ventana.mostrada, 0);
}

TEST_F(AperturaTest, SoloFaltaInformesYSuMarcoSeMuestra)
{
    const QString informes = carpeta.file(QStringLiteral("Informes.mdb"));
    Enlazar(QStringLiteral("Informes.udl"), carpeta.path() + QStringLiteral("/NoExiste/Informes.mdb"));
    pantalla().queueAnswer(vbOK);
    QList<bool> habilitados;
    bool informesVisible = false;
    sqlite3* local = nullptr;
    dialogos.Responder<frmMensaje>([&](frmMensaje& m) {
        habilitados = Habilitados(m);
        informesVisible = m.fraMensaje(frmMensaje::kInformes)->isVisibleTo(&m);
        local = app.den.conLocal.handle();
        m.cmdMensaje(1)->click();
        m.cmdAceptar()->click();
    });
    dialogos.Responder<frmEnlaceDatos>([&](frmEnlaceDatos& e) {
        e.txtOrigenDatos()->setText(informes);
        e.cmdAceptar()->click();
    });

    EXPECT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(pantalla().lastMessage().text, kFaltan + QStringLiteral("\rInformes.mdb"));
    EXPECT_EQ(habilitados, (QList<bool>{false, true, false}));
    EXPECT_TRUE(informesVisible);
    // The parish database, open since the first pass, was not opened again.
    EXPECT_EQ(app.den.conLocal.handle(), local);
    EXPECT_TRUE(app.den.conInformes.isOpen());
}

// A database whose password is not the program's (another one, or none) was
// found: one message says so with its path and what the user can do, and it
// is never then called missing. "Aceptar" opens the connection dialog to
// link the right file, "Cancelar" leaves.
TEST_F(AperturaTest, BaseDeDatosConOtroPasswordNoSeDaPorNoEncontrada)
{
    struct Caso {
        BaseDatosPrograma base;
        int indice;
        const char* nuevo;  // the file's password ("" none)
        int respuesta;
    };
    const Caso casos[] = {
        {BaseDatosPrograma::Duzediv, 0, "", vbCancel},
        {BaseDatosPrograma::Informes, 1, "otra", vbCancel},
        {BaseDatosPrograma::Duzediv, 0, "otra", vbOK},
        {BaseDatosPrograma::Contabilidad, 2, "", vbOK},
    };
    for (const Caso& caso : casos) {
        const DescripcionBaseDatos& descripcion = Descripcion(caso.base);
        const QString base = descripcion.archivo;
        SCOPED_TRACE(base.toStdString() + " '" + caso.nuevo + "'");
        const QString ruta = carpeta.file(base);
        const QString actual = descripcion.password;
        db::SetDatabasePassword(ruta, actual, QString::fromLatin1(caso.nuevo));
        pantalla().reset();
        dialogos = {};
        app.den = {};
        pantalla().queueAnswer(caso.respuesta);
        QList<bool> habilitados;
        if (caso.respuesta == vbOK) {
            dialogos.Responder<frmMensaje>([&](frmMensaje& m) {
                habilitados = Habilitados(m);
                m.cmdCancelar()->click();
            });
        }

        EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

        ASSERT_EQ(pantalla().messages().size(), 1) << pantalla().messageTexts().join(QLatin1Char('|')).toStdString();
        const auto mensaje = pantalla().lastMessage();
        EXPECT_EQ(mensaje.text,
                  QStringLiteral("¡La contraseña de la base de datos '%1' no es válida!\r\n\r\nArchivo: %2\r\n\r\n"
                                 "Ese archivo está protegido con otra contraseña, o con ninguna: no es la base de datos "
                                 "de esta instalación. Pulse \"Aceptar\" para enlazar la base de datos correcta, o "
                                 "\"Cancelar\" para salir de la aplicación.")
                      .arg(base, ruta));
        EXPECT_EQ(mensaje.buttons, ui::vbOKCancel);
        EXPECT_EQ(mensaje.icon, ui::vbExclamation);
        EXPECT_FALSE(mensaje.text.contains(kFaltan));
        if (caso.respuesta == vbOK) {
            QList<bool> esperados{false, false, false};
            esperados[caso.indice] = true;
            EXPECT_EQ(habilitados, esperados);
        } else {
            EXPECT_TRUE(dialogos.Mostrados().isEmpty());
        }
        EXPECT_EQ(ventana.mostrada, 0);

        modMain.reset();
        db::SetDatabasePassword(ruta, QString::fromLatin1(caso.nuevo), actual);
    }
}

TEST_F(AperturaTest, SinContabilidadNoSeOfreceSuMarco)
{
    QuitarComplemento(bibliotecas::Contabilidad);
    QuitarArchivo(QStringLiteral("Contabilidad.udl"));
    QuitarArchivo(QStringLiteral("duzediv.udl"));
    pantalla().queueAnswers({vbOK, vbCancel});
    bool contabilidadVisible = true;
    dialogos.Responder<frmMensaje>([&](frmMensaje& m) {
        contabilidadVisible = m.fraMensaje(frmMensaje::kContabilidad)->isVisibleTo(&m);
        m.cmdAceptar()->click();
    });

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

    EXPECT_FALSE(contabilidadVisible);
    EXPECT_EQ(pantalla().messages().at(0).text, kFaltan + QStringLiteral("\rDuzediv.mdb"));
}

TEST_F(AperturaTest, FaltanVariasBases)
{
    QuitarArchivo(QStringLiteral("duzediv.udl"));
    QuitarArchivo(QStringLiteral("Contabilidad.mdb"));
    pantalla().queueAnswer(vbCancel);

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

    EXPECT_EQ(pantalla().lastMessage().text, kFaltan + QStringLiteral("\rDuzediv.mdb\rContabilidad.mdb"));
}

namespace {

// A connection that does not report its data source.
class AperturaSinOrigenDatos : public AperturaBasesDatos {
public:
    using AperturaBasesDatos::AperturaBasesDatos;

protected:
    bool TieneOrigenDatos(const db::Connection&) const override { return false; }
};

} // namespace

TEST_F(AperturaTest, ConexionSinPropiedadDataSourceTerminaLaCargaFallida)
{
    app.gobjDuzediv = std::make_unique<PVAPI::cDuzediv>();
    app.gobjInfoConfig = std::make_unique<PVAPI::cInfoConfiguracion>();
    pantalla().queueAnswer(vbOK);

    const AperturaBasesDatos::Resultado resultado =
        AperturaSinOrigenDatos(app, [this](QDialog& d) { return dialogos(d); }).Ejecutar();

    EXPECT_FALSE(resultado.ok);
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡No se encontró la propiedad source del fichero duzediv.udl!\tTipo: "));
    // The loading stopped at the first database.
    EXPECT_FALSE(app.den.conInformes.isOpen());
}

TEST(CadenaApertura, AnadeElPasswordSinQuitarNada)
{
    struct Caso {
        QString cadena;
        QString esperada;
    };
    const Caso casos[] = {
        {QStringLiteral("Provider=P;Data Source=/a/Duzediv.mdb;Persist Security Info=False"),
         QStringLiteral("Provider=P;Data Source=/a/Duzediv.mdb;Persist Security Info=False;Jet OLEDB:Database Password=x")},
        {QStringLiteral("Provider=P;Data Source=/a/Duzediv.mdb;"),
         QStringLiteral("Provider=P;Data Source=/a/Duzediv.mdb;Jet OLEDB:Database Password=x")},
        {QStringLiteral("Provider=P;Data Source=/a/Duzediv.mdb "),
         QStringLiteral("Provider=P;Data Source=/a/Duzediv.mdb;Jet OLEDB:Database Password=x")},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(AperturaBasesDatos::CadenaApertura(caso.cadena, QStringLiteral("x")), caso.esperada);
}
