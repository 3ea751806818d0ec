#include "ArranqueFixture.h"

#include "platform/os/Files.h"
#include "platform/os/Locale.h"
#include "platform/os/SingleInstanceGuard.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cCodificadorPassword.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "platform/vb/VbError.h"
#include "startup/IActualizacionBD.h"
#include "core/IEmpresaPrincipal.h"
#include "startup/frmPassword.h"
#include "startup/frmSplash.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using PVAPI::cCRegistry;
using ui::vbNo;
using ui::vbOK;
using ui::vbYes;

namespace {

void Teclear(frmPassword& dialogo, const QString& texto)
{
    dialogo.txtPassword()->setText(texto);
    dialogo.cmdBotonera(frmPassword::kAceptar)->click();
}

} // namespace

TEST_F(ArranqueTest, ConTodoEnOrdenMuestraLaVentanaPrincipal)
{
    EXPECT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(ventana.mostrada, 1);
    EXPECT_TRUE(terminaciones.isEmpty());
    EXPECT_TRUE(pantalla().messages().isEmpty()) << pantalla().messageTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(dialogos.Mostrados().isEmpty());
    EXPECT_EQ(directoriosActuales, QStringList{carpeta.path()});

    const PVAPI::cInfoConfiguracion& info = *app.gobjInfoConfig;
    EXPECT_TRUE(info.VodidazazDLL && info.GestionParroquialDLL && info.MensajeriaDLL && info.ContabilidadDLL
                && info.BancosDLL);
    EXPECT_TRUE(app.gobjVodidazaz && app.gobjGestPar && app.gobjMensajeria && app.gobjContabilidad && app.gobjBancos);
    EXPECT_TRUE(app.den.conLocal.isOpen());
    EXPECT_TRUE(app.den.conInformes.isOpen());
    EXPECT_TRUE(app.den.conContabilidad.isOpen());
    EXPECT_EQ(info.Usuario, QStringLiteral("Administrador"));
    EXPECT_EQ(info.idioma, 3082);
    EXPECT_EQ(app.HelpFile, carpeta.file(QStringLiteral("Duzediv.html")));
    EXPECT_EQ(App::Actual(), &app);
}

TEST_F(ArranqueTest, RegistraElTipoDeAplicacionYElPathDelPrograma)
{
    EjecutarEnDuzediv(QStringLiteral("UPDATE Informacion SET TipoAplicacion = 'OTRA'"));

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(ValorDuzediv(QStringLiteral("SELECT TipoAplicacion FROM Informacion")).toString(),
              QStringLiteral("NPV2000-SARDEL"));
    EXPECT_EQ(Ajuste(cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH()), carpeta.path());
    const QString documentos = SeccionUsuario(cCRegistry::DOCUMENTOS());
    EXPECT_EQ(Ajuste(documentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), QStringLiteral("20"));
    EXPECT_EQ(Ajuste(documentos, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO()), QStringLiteral("25"));
}

TEST_F(ArranqueTest, TipoDeAplicacionGuardado)
{
    struct Caso {
        db::Value guardado;
        bool reescrito;
    };
    const Caso casos[] = {
        {QStringLiteral("  NPV2000-SARDEL  "), false},
        {QStringLiteral("npv2000-sardel"), true},
        {db::Value(), true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.guardado.toString().toStdString());
        EjecutarEnDuzediv(QStringLiteral("UPDATE Informacion SET TipoAplicacion = ?"), {caso.guardado});
        app.den.conLocal.Close();
        app.den.conInformes.Close();
        app.den.conContabilidad.Close();

        ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

        const db::Value ahora = ValorDuzediv(QStringLiteral("SELECT TipoAplicacion FROM Informacion"));
        EXPECT_EQ(ahora.toString(), caso.reescrito ? QStringLiteral("NPV2000-SARDEL") : caso.guardado.toString());
        modMain.reset();
    }
}

TEST_F(ArranqueTest, OtraCarpetaGuardadaRestableceLosAjustes)
{
    struct Caso {
        QString guardada;
        bool restablece;
    };
    const Caso casos[] = {
        {QString(), true},
        {QStringLiteral("/otra/carpeta"), true},
        {carpeta.path().toUpper(), true},  // differs only in letter case
        {carpeta.path(), false},
    };
    const QString interfaz = SeccionUsuario(cCRegistry::INTERFACE());
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.guardada.toStdString());
        GuardarAjuste(cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH(), caso.guardada);
        GuardarAjuste(interfaz, cCRegistry::INTERFACE_WIDTH(), QStringLiteral("9999"));
        app.den = {};
        app.gobjInfoConfig.reset();

        ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

        EXPECT_EQ(Ajuste(interfaz, cCRegistry::INTERFACE_WIDTH()),
                  caso.restablece ? QStringLiteral("6500") : QStringLiteral("9999"));
        EXPECT_EQ(Ajuste(cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH()), carpeta.path());
        EXPECT_EQ(app.gobjInfoConfig->Permiso, caso.restablece ? QStringLiteral("Administrador") : QString());
        modMain.reset();
    }
}

TEST_F(ArranqueTest, MargenesPredeterminadosSoloDondeEstanVacios)
{
    const QString documentos = SeccionUsuario(cCRegistry::DOCUMENTOS());
    GuardarAjuste(cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH(), carpeta.path());
    GuardarAjuste(documentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("0"));

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(Ajuste(documentos, cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), QStringLiteral("0"));
    EXPECT_EQ(Ajuste(documentos, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO()), QStringLiteral("25"));
}

TEST_F(ArranqueTest, OtraInstanciaEnMarchaTerminaEnSeguida)
{
    os::SingleInstanceGuard primera(QStringLiteral("NorviaParvanta2000"), carpetaInstancia.path());
    ASSERT_EQ(primera.acquire(), os::SingleInstanceGuard::Result::Acquired);

    EXPECT_EQ(Arrancar(), ModMain::Resultado::Terminado);

    EXPECT_EQ(terminaciones, QList<int>{0});
    EXPECT_EQ(pantalla().beepCount(), 1);
    EXPECT_TRUE(pantalla().messages().isEmpty());
    EXPECT_FALSE(app.gobjInfoConfig);
    EXPECT_FALSE(app.den.conLocal.isOpen());
    EXPECT_EQ(ventana.mostrada, 0);
}

TEST_F(ArranqueTest, QuitaElAtributoDeSoloLecturaDeLosArchivosDeDatos)
{
    const QStringList archivos{QStringLiteral("Duzediv.mdb"), QStringLiteral("Informes.udl"),
                               QStringLiteral("Imagenes.img")};
    for (const QString& archivo : archivos)
        QFile::setPermissions(carpeta.file(archivo), QFile::ReadOwner | QFile::ReadGroup);

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    for (const QString& archivo : archivos)
        EXPECT_FALSE(os::IsReadOnly(carpeta.file(archivo))) << archivo.toStdString();
}

TEST_F(ArranqueTest, ConfiguracionRegionalIncorrecta)
{
    struct Caso {
        int respuesta;
        ModMain::Resultado resultado;
    };
    for (const Caso caso : {Caso{vbYes, ModMain::Resultado::VentanaPrincipal}, Caso{vbNo, ModMain::Resultado::Terminado}}) {
        SCOPED_TRACE(caso.respuesta);
        os::SetLocaleSeparatorsOverride(
            os::LocaleSeparators{QStringLiteral("."), QStringLiteral(","), QStringLiteral(","), QStringLiteral(".")});
        pantalla().reset();
        app.den = {};
        pantalla().queueAnswer(caso.respuesta);

        EXPECT_EQ(Arrancar(), caso.resultado);

        ASSERT_EQ(pantalla().messages().size(), 1);
        const auto pregunta = pantalla().lastMessage();
        EXPECT_EQ(pregunta.text, ModMain::TextoConfiguracionRegional());
        EXPECT_EQ(pregunta.buttons, ui::vbYesNo);
        EXPECT_EQ(pregunta.icon, ui::vbExclamation);
        EXPECT_EQ(pregunta.defaultButton, ui::vbDefaultButton2);
        EXPECT_EQ(pregunta.caption, ui::AppTitle());
        // The databases are already open when the question comes.
        EXPECT_TRUE(app.den.conLocal.isOpen());
        modMain.reset();
    }
    EXPECT_EQ(terminaciones, QList<int>{0});
    EXPECT_EQ(ventana.mostrada, 1);
}

TEST(ConfiguracionRegional, SeparadoresDeNumerosYMonedas)
{
    struct Caso {
        const char* decimal;
        const char* miles;
        const char* decimalMoneda;
        const char* milesMoneda;
        bool correcta;
    };
    const Caso casos[] = {
        {",", ".", ",", ".", true},
        {".", ".", ",", ".", false},
        {",", " ", ",", ".", false},
        {",", ".", ".", ".", false},
        {",", ".", ",", "", false},
        {".", ",", ".", ",", false},
    };
    for (const Caso& caso : casos) {
        os::SetLocaleSeparatorsOverride(os::LocaleSeparators{QString::fromLatin1(caso.decimal),
                                                             QString::fromLatin1(caso.miles),
                                                             QString::fromLatin1(caso.decimalMoneda),
                                                             QString::fromLatin1(caso.milesMoneda)});
        EXPECT_EQ(ModMain::ComprobarConfiguracionRegional(), caso.correcta)
            << caso.decimal << caso.miles << caso.decimalMoneda << caso.milesMoneda;
    }
}

TEST_F(ArranqueTest, TextoDeLaPreguntaRegional)
{
    const QString texto = ModMain::TextoConfiguracionRegional();
    EXPECT_TRUE(texto.startsWith(QStringLiteral("¡La configuración regional de su equipo no es correcta!\r\n\r\n"
                                                "Ejecute la opción 'Panel de control' de su sistema operativo y revise")));
    EXPECT_TRUE(texto.contains(QStringLiteral("para números como para monedas.\r\n\r\nSi continua con la ejecución")));
    EXPECT_TRUE(texto.endsWith(QStringLiteral("algún error en tiempo de ejecución.\r\n\r\n¿Desea continuar?")));
}

TEST_F(ArranqueTest, ElSplashMuestraElAvisoDeLaEdicion)
{
    app.gobjInfoConfig = std::make_unique<PVAPI::cInfoConfiguracion>();
    frmSplash splash(app, [this](QDialog& d) { return dialogos(d); });
    splash.show();
    EXPECT_EQ(splash.lblCopyright()->text(), cConstante().SPLASH_CaptionLabelCopyright());
    EXPECT_FALSE(splash.lblCopyright()->text().isEmpty());
}

TEST_F(ArranqueTest, FaltaImagenesImg)
{
    QuitarArchivo(QStringLiteral("Imagenes.img"));
    pantalla().queueAnswer(vbOK);

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡La aplicación no ha encontrado el archivo 'Imagenes.img' y no podrá continuar!"));
    EXPECT_EQ(pantalla().lastMessage().icon, ui::vbExclamation);
    EXPECT_EQ(ventana.mostrada, 0);
    EXPECT_TRUE(terminaciones.isEmpty());
    EXPECT_FALSE(app.den.conLocal.isOpen());
    // Nothing after the splash's failure touches the settings.
    EXPECT_TRUE(Ajuste(cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH()).isEmpty());
}

class PasswordArranqueTest : public ArranqueTest {
protected:
    void GuardarPassword(const QString& password)
    {
        GuardarAjuste(SeccionUsuario(cCRegistry::PRINCIPAL()), cCRegistry::PRINCIPAL_CLAVE(),
                      PVAPI::cCodificadorPassword::Codificado(password));
    }
};

TEST_F(PasswordArranqueTest, SinPasswordGuardadoNoPreguntaNada)
{
    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);
    EXPECT_TRUE(dialogos.Mostrados().isEmpty());
    EXPECT_EQ(ventana.mostrada, 1);
}

TEST_F(PasswordArranqueTest, PasswordCorrecto)
{
    GuardarPassword(QStringLiteral("secreto"));
    dialogos.Responder<frmPassword>([](frmPassword& d) { Teclear(d, QStringLiteral("secreto")); });

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_EQ(dialogos.Mostrados(), QList<QString>{QStringLiteral("frmPassword")});
    EXPECT_TRUE(pantalla().messages().isEmpty());
    EXPECT_EQ(ventana.mostrada, 1);
}

TEST_F(PasswordArranqueTest, PasswordIncorrectoYLuegoCorrecto)
{
    GuardarPassword(QStringLiteral("secreto"));
    pantalla().queueAnswer(vbOK);
    dialogos.Responder<frmPassword>([](frmPassword& d) {
        Teclear(d, QStringLiteral("otro"));
        EXPECT_FALSE(d.mblnOK);
        EXPECT_TRUE(d.txtPassword()->text().isEmpty());
        Teclear(d, QStringLiteral("secreto"));
    });

    ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    ASSERT_EQ(pantalla().messages().size(), 1);
    EXPECT_EQ(pantalla().lastMessage().text, QStringLiteral("¡La contraseña no es valida!"));
    EXPECT_EQ(ventana.mostrada, 1);
}

TEST_F(PasswordArranqueTest, LoginRechazadoTerminaSinTocarNada)
{
    GuardarPassword(QStringLiteral("secreto"));
    GuardarAjuste(cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH(), carpeta.path());
    EjecutarEnDuzediv(QStringLiteral("UPDATE Informacion SET Vodidazaz = False"));
    EjecutarEnDuzediv(QStringLiteral("DELETE FROM Institucion"));
    EjecutarEnDuzediv(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES ('Parroquia')"));
    dialogos.Responder<frmPassword>([](frmPassword& d) { d.cmdBotonera(frmPassword::kCancelar)->click(); });

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);

    EXPECT_EQ(ventana.mostrada, 0);
    EXPECT_TRUE(terminaciones.isEmpty());
    EXPECT_EQ(setup.objetosCreados, 0);
    EXPECT_FALSE(ValorDuzediv(QStringLiteral("SELECT Vodidazaz FROM Informacion")).toBool());
    EXPECT_TRUE(Ajuste(SeccionUsuario(cCRegistry::DOCUMENTOS()), cCRegistry::DOCUMENTOS_MARGENSUPERIOR()).isEmpty());
}

namespace {

// A main window with one company node: notes when start-up reached it and
// what the user and the stored program folder were then.
class VentanaConEmpresa : public IVentanaPrincipal, public IEmpresaPrincipal {
public:
    void Mostrar() override {}
    IEmpresaPrincipal* Empresa() override
    {
        ++alcanzada;
        usuario = App::Actual()->gobjInfoConfig->Usuario;
        carpeta = settings::GetSetting(ui::AppTitle(), cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH());
        return this;
    }
    int ContarNodos() override { return 1; }
    QString TextoNodo(int) override { return texto; }
    void CambiarTextoNodo(int, const QString& nuevo) override { texto = nuevo; }
    void EstablecerEmpresaSeleccionada(qint32 cod, bool) override { codEmpresa = cod; }

    int alcanzada = 0;
    QString usuario;
    QString carpeta;
    QString texto = QStringLiteral("<Ninguna empresa>");
    qint32 codEmpresa = 0;
};

} // namespace

// Reaching the main window loads it, with the user and settings of that
// moment: only showing an existing company after the login may do it.
TEST_F(PasswordArranqueTest, LaVentanaPrincipalSeAlcanzaSoloParaMostrarLaEmpresaTrasElLogin)
{
    db::Connection contabilidad = carpeta.abrir(BaseDatosPrograma::Contabilidad);
    contabilidad.Exec(QStringLiteral("INSERT INTO Empresa (IDEmpresa, Nombre, Abreviatura, AñoEjercicio) "
                                     "VALUES (5, 'Parroquia', 'pq', 2005)"));
    contabilidad.Close();
    struct Caso {
        const char* empresa;
        bool rechazaLogin;
        bool alcanzada;
    };
    const Caso casos[] = {{"5", false, true}, {"9", false, false}, {"5", true, false}};
    VentanaConEmpresa principal;
    app.principal = &principal;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.empresa) + (caso.rechazaLogin ? " rechazado" : " aceptado"));
        principal = VentanaConEmpresa();
        app.den = {};
        app.gobjInfoConfig.reset();
        // A first run: the default settings are written at start-up.
        settings::DeleteSetting(ui::AppTitle(), cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_PATH());
        settings::DeleteSetting(ui::AppTitle(), SeccionUsuario(cCRegistry::PRINCIPAL()), cCRegistry::PRINCIPAL_CLAVE());
        GuardarAjuste(SeccionUsuario(cCRegistry::CONTABILIDAD()), cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA(),
                      QString::fromLatin1(caso.empresa));
        if (caso.rechazaLogin) {
            GuardarPassword(QStringLiteral("secreto"));
            dialogos.Responder<frmPassword>([](frmPassword& d) { d.cmdBotonera(frmPassword::kCancelar)->click(); });
        }

        Arrancar();

        EXPECT_EQ(principal.alcanzada, caso.alcanzada ? 1 : 0);
        if (caso.alcanzada) {
            EXPECT_EQ(principal.usuario, QStringLiteral("Administrador"));
            EXPECT_EQ(principal.carpeta, carpeta.path());
            EXPECT_EQ(principal.texto, QStringLiteral("<PQ - 2005>"));
            EXPECT_EQ(principal.codEmpresa, 5);
        }
        modMain.reset();
    }
}

TEST_F(PasswordArranqueTest, CerrarElDialogoRechazaElLogin)
{
    GuardarPassword(QStringLiteral("secreto"));
    dialogos.Responder<frmPassword>([](frmPassword& d) { d.close(); });

    EXPECT_EQ(Arrancar(), ModMain::Resultado::SinVentana);
    EXPECT_EQ(ventana.mostrada, 0);
}

namespace {

class ActualizacionQueFalla : public IActualizacionBD {
public:
    void ActualizarDuzediv() override { throw vb::VbError(3078, QStringLiteral("No se encuentra la tabla")); }
    void ActualizarContabilidad() override {}
};

} // namespace

TEST_F(ArranqueTest, UnErrorNoTratadoSeNotificaYTermina)
{
    ServiciosArranque servicios = Servicios();
    servicios.crearActualizacion = [](App&) -> std::unique_ptr<IActualizacionBD> {
        return std::make_unique<ActualizacionQueFalla>();
    };
    pantalla().queueAnswer(vbOK);
    modMain = std::make_unique<ModMain>(app, std::move(servicios));

    EXPECT_EQ(modMain->Main(), ModMain::Resultado::Terminado);

    EXPECT_EQ(terminaciones, QList<int>{1});
    const QString texto = pantalla().lastMessage().text;
    EXPECT_TRUE(texto.contains(QStringLiteral("3078")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Sub Main()")));
    EXPECT_TRUE(texto.contains(QStringLiteral("modMain")));
    EXPECT_TRUE(texto.contains(QStringLiteral("NorviaParvanta2000.vbp")));
    EXPECT_EQ(ventana.mostrada, 0);
}

TEST_F(ArranqueTest, LaVentanaPrincipalSeCreaSoloCuandoSeNecesita)
{
    struct Caso {
        bool faltaImagenes;
        int creadas;
    };
    for (const Caso caso : {Caso{false, 1}, Caso{true, 0}}) {
        SCOPED_TRACE(caso.faltaImagenes);
        App propia;
        int creadas = 0;
        int mostradas = 0;
        propia.crearPrincipal = [&](App&) -> std::unique_ptr<IVentanaPrincipal> {
            ++creadas;
            struct Contadora : VentanaPrincipalDoble {
                int* mostradas;
                void Mostrar() override { ++*mostradas; }
            };
            auto contadora = std::make_unique<Contadora>();
            contadora->mostradas = &mostradas;
            return contadora;
        };
        if (caso.faltaImagenes) {
            QuitarArchivo(QStringLiteral("Imagenes.img"));
            pantalla().queueAnswer(vbOK);
        }
        ModMain modMainPropio(propia, Servicios());

        modMainPropio.Main();

        EXPECT_EQ(creadas, caso.creadas);
        EXPECT_EQ(mostradas, caso.creadas);
    }
}
