#include "dialogs/frmMargenes.h"
#include "dialogs/frmOpciones.h"

#include "core/AjustesUsuario.h"
#include "core/EstadoPrincipal.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cCodificadorPassword.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/ui/UiConstants.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

namespace {

using PVAPI::cCRegistry;
using testsupport::scriptedUi;

const QString kTitulo = QStringLiteral("Norvia Parvanta 2000");

class frmOpcionesTest : public ::testing::Test {
protected:
    frmOpcionesTest()
    {
        info.Usuario = QStringLiteral("Administrador");
        info.idioma = 3082;
        info.VodidazazDLL = true;
        info.GestionParroquialDLL = true;
    }

    frmOpciones& Abrir()
    {
        forma = std::make_unique<frmOpciones>(ContextoOpciones {estado, info, conLocal, kTitulo, {}}, servicios);
        forma->Form_Load();
        return *forma;
    }
    QString Ajuste(const QString& seccion, const QString& clave) const
    {
        return ajustes.Leer(ajustes.Seccion(seccion), clave, QStringLiteral("<nada>"));
    }
    void Guardar(const QString& seccion, const QString& clave, const QString& valor) const
    {
        ajustes.Guardar(ajustes.Seccion(seccion), clave, valor);
    }
    // The page shown, by its number; -1 when none or more than one.
    int Pagina() const
    {
        int mostrada = -1;
        for (int i = 0; i < 4; ++i) {
            if (forma->picOptions(i)->isVisibleTo(forma.get()))
                mostrada = mostrada == -1 ? i : -2;
        }
        return mostrada < 0 ? -1 : mostrada;
    }
    QString Pestana() const { return forma->tbsOptions()->tabText(forma->tbsOptions()->currentIndex()); }
    void CtrlTab(bool atras = false)
    {
        QTest::keyClick(forma->txtOpciones(3), atras ? Qt::Key_Backtab : Qt::Key_Tab,
                        atras ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
    }
    void Salir(QWidget* caja)
    {
        QFocusEvent salida(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(caja, &salida);
    }
    void Elegir(const QString& documento)
    {
        const auto encontrados = forma->lstDocumentos()->findItems(documento, Qt::MatchExactly);
        ASSERT_EQ(encontrados.size(), 1);
        forma->lstDocumentos()->setCurrentItem(encontrados.first());
    }

    TempProgramFolder carpeta;
    db::Connection conLocal = carpeta.abrir(BaseDatosPrograma::Duzediv);
    EstadoPrincipal estado;
    PVAPI::cInfoConfiguracion info;
    ServiciosOpciones servicios;
    AjustesUsuario ajustes {kTitulo, QStringLiteral("Administrador"), 3082};
    std::unique_ptr<frmOpciones> forma;
};

TEST_F(frmOpcionesTest, CargaLosAjustesYLasDeducciones)
{
    Guardar(cCRegistry::INTERFACE(), cCRegistry::INTERFACE_NREGMAX(), QStringLiteral("40"));
    Guardar(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MARGEN(), QStringLiteral("7"));
    frmOpciones& f = Abrir();

    EXPECT_EQ(f.windowTitle(), QStringLiteral(" Opciones"));
    EXPECT_EQ(f.txtOpciones(3)->text(), "40");
    EXPECT_EQ(f.txtOpciones(4)->text(), "7");
    EXPECT_EQ(f.txtOpciones(5)->text(), "1000");
    EXPECT_FALSE(f.txtOpciones(0)->isEnabled());
    EXPECT_EQ(f.txtTipoA()->text(), "25");
    EXPECT_EQ(f.txtTipoB()->text(), "30");
    EXPECT_EQ(f.txtDeduccionRegFiscal2()->text(), "10");
    EXPECT_FALSE(f.cmdBoton(frmOpciones::kAplicar)->isEnabled());
    EXPECT_TRUE(f.cmdBoton(frmOpciones::kAceptar)->isDefault());
    EXPECT_FALSE(f.mblnCambiarClave);
    EXPECT_EQ(f.tbsOptions()->count(), 4);
    EXPECT_EQ(Pagina(), 0);
    EXPECT_EQ(f.focusWidget(), f.txtOpciones(3));
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
}

TEST_F(frmOpcionesTest, PesetasSoloConLasDosMonedasEnPesetas)
{
    const std::tuple<bool, bool, int> casos[] = {{true, true, 0}, {true, false, 1}, {false, true, 1}, {false, false, 1}};
    for (const auto& [donativos, contabilidad, opcion] : casos) {
        info.TrabajarConPesetas = donativos;
        estado.mobjConfigContab.SetTrabajarConPesetas(contabilidad);
        EXPECT_TRUE(Abrir().optMoneda(opcion)->isChecked()) << donativos << contabilidad;
    }
}

TEST_F(frmOpcionesTest, CtrlTabRecorreLasPestanas)
{
    Abrir();
    const QStringList orden = {"Contraseña", "Documentos", "Deducciones Modelo 182", "General"};
    const int paginas[] = {1, 2, 3, 0};
    for (int i = 0; i < 4; ++i) {
        CtrlTab();
        EXPECT_EQ(Pestana(), orden[i]);
        EXPECT_EQ(Pagina(), paginas[i]);
    }
    CtrlTab(true);
    EXPECT_EQ(Pestana(), "Deducciones Modelo 182");
    EXPECT_EQ(Pagina(), 3);
}

// Opened from the report viewer: two tabs, opening on "Documentos".
TEST_F(frmOpcionesTest, ModoDelVisorDeInformes)
{
    frmOpciones& f = Abrir();
    f.QuitarPestanasGenerales();
    ASSERT_EQ(f.tbsOptions()->count(), 2);
    EXPECT_EQ(f.tbsOptions()->tabText(0), "Documentos");
    EXPECT_EQ(f.tbsOptions()->tabText(1), "Deducciones Modelo 182");
    EXPECT_EQ(Pagina(), 2);
    EXPECT_TRUE(f.fraCertificado()->isVisibleTo(&f));
    CtrlTab();
    EXPECT_EQ(Pagina(), 3);
    CtrlTab();
    EXPECT_EQ(Pagina(), 2);
    CtrlTab(true);
    EXPECT_EQ(Pagina(), 3);

    // A refused value selects no third tab; the hidden values go back as read.
    Guardar(cCRegistry::INTERFACE(), cCRegistry::INTERFACE_NREGMAX(), QStringLiteral("40"));
    f.txtOpciones(5)->clear();
    QTest::keyClicks(f.txtOpciones(5), QStringLiteral("0"));
    scriptedUi().queueAnswer(ui::vbOK);
    f.cmdBoton(frmOpciones::kAplicar)->click();
    EXPECT_EQ(scriptedUi().messages().size(), 1);
    EXPECT_EQ(f.tbsOptions()->currentIndex(), 1);
    f.txtOpciones(5)->setText(QStringLiteral("200"));
    f.cmdBoton(frmOpciones::kAplicar)->click();
    EXPECT_EQ(Ajuste(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MAXPAGLIBRO()), "200");
    EXPECT_EQ(Ajuste(cCRegistry::INTERFACE(), cCRegistry::INTERFACE_NREGMAX()), "24");
}

// The window keeps one size whichever page or document is shown.
TEST_F(frmOpcionesTest, ElTamanoNoCambiaConLaPagina)
{
    frmOpciones& f = Abrir();
    f.layout()->activate();
    const QSize tamano = f.size();
    for (int i = 0; i < 4; ++i) {
        f.tbsOptions()->setCurrentIndex(i);
        f.layout()->activate();
        EXPECT_EQ(f.size(), tamano) << i;
    }
    Elegir(QStringLiteral("Libros"));
    f.layout()->activate();
    EXPECT_EQ(f.size(), tamano);
}

TEST_F(frmOpcionesTest, CadaDocumentoMuestraSuMarco)
{
    frmOpciones& f = Abrir();
    f.tbsOptions()->setCurrentIndex(2);
    EXPECT_EQ(f.lstDocumentos()->currentItem()->text(), "Certificados de recibos");
    EXPECT_TRUE(f.fraCertificado()->isVisibleTo(&f));
    EXPECT_FALSE(f.fraDocumentos()->isVisibleTo(&f));

    Elegir(QStringLiteral("Libros"));
    EXPECT_FALSE(f.fraCertificado()->isVisibleTo(&f));
    EXPECT_EQ(f.fraDocumentos()->title(), "Libros");
    EXPECT_EQ(f.lblDocumentos()->text(), "Cada libro de partidas debe tener un número máximo de hojas.");
    EXPECT_TRUE(f.txtOpciones(5)->isVisibleTo(&f));
    EXPECT_TRUE(f.lblOpcionLibros()->isVisibleTo(&f));

    Elegir(QStringLiteral("Etiquetas"));
    EXPECT_EQ(f.fraDocumentos()->title(), "Etiquetas");
    EXPECT_TRUE(f.lblDocumentos()->text().startsWith("El informe de etiquetas"));
    EXPECT_FALSE(f.txtOpciones(5)->isVisibleTo(&f));
    EXPECT_TRUE(f.cmdMargenes()->isVisibleTo(&f));
}

TEST_F(frmOpcionesTest, LaListaDeDocumentosSigueALosComplementos)
{
    struct Caso {
        bool vodidazaz;
        bool gestion;
        int cuenta;
        const char* primero;
    };
    const Caso casos[] = {{true, true, 4, "Certificados de recibos"},
                          {true, false, 3, "Certificados de recibos"},
                          {false, true, 2, "Libros"},
                          {false, false, 1, "Resto de documentos (Donat. y Gest. Parr.)"}};
    for (const Caso& caso : casos) {
        info.VodidazazDLL = caso.vodidazaz;
        info.GestionParroquialDLL = caso.gestion;
        frmOpciones& f = Abrir();
        EXPECT_EQ(f.lstDocumentos()->count(), caso.cuenta);
        EXPECT_EQ(f.lstDocumentos()->currentItem()->text(), QString::fromUtf8(caso.primero));
    }
    // Both absent: the frame with the margins button, without the pages box.
    forma->tbsOptions()->setCurrentIndex(2);
    EXPECT_TRUE(forma->fraDocumentos()->isVisibleTo(forma.get()));
    EXPECT_TRUE(forma->cmdMargenes()->isVisibleTo(forma.get()));
    EXPECT_FALSE(forma->txtOpciones(5)->isVisibleTo(forma.get()));
}

TEST_F(frmOpcionesTest, LasCajasNumericasSoloTomanDigitos)
{
    frmOpciones& f = Abrir();
    f.txtOpciones(3)->clear();
    QTest::keyClicks(f.txtOpciones(3), QStringLiteral("1a-2"));
    EXPECT_EQ(f.txtOpciones(3)->text(), "12");
    EXPECT_EQ(scriptedUi().beepCount(), 2);
    EXPECT_TRUE(f.cmdBoton(frmOpciones::kAplicar)->isEnabled());

    // A dropped key alone enables "A&plicar" too.
    Abrir();
    QTest::keyClick(forma->txtTipoA(), Qt::Key_X);
    EXPECT_EQ(forma->txtTipoA()->text(), "25");
    EXPECT_TRUE(forma->cmdBoton(frmOpciones::kAplicar)->isEnabled());
    EXPECT_FALSE(forma->mblnCambiarClave);
}

TEST_F(frmOpcionesTest, ReglasAlSalirDeLasCajas)
{
    frmOpciones& f = Abrir();
    const std::tuple<int, const char*, const char*> casos[] = {
        {3, "0", "24"}, {3, "", "24"}, {3, "12", "12"}, {4, "", "0"}, {5, "0000", "1000"}, {5, "0", "0"}};
    for (const auto& [caja, texto, queda] : casos) {
        f.txtOpciones(caja)->setText(QString::fromUtf8(texto));
        Salir(f.txtOpciones(caja));
        EXPECT_EQ(f.txtOpciones(caja)->text(), QString::fromUtf8(queda)) << caja << " '" << texto << "'";
    }
    f.txtTipoB()->setText(QStringLiteral("150"));
    Salir(f.txtTipoB());
    EXPECT_EQ(f.txtTipoB()->text(), "100");
}

TEST_F(frmOpcionesTest, AplicarEscribeElArchivoDeAjustesYSigueAbierto)
{
    frmOpciones& f = Abrir();
    f.txtOpciones(3)->clear();
    QTest::keyClicks(f.txtOpciones(3), QStringLiteral("77"));
    f.cmdBoton(frmOpciones::kAplicar)->click();

    QFile archivo(settings::FilePath(kTitulo));
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(archivo.readAll().contains("=77"));
    EXPECT_EQ(estado.gintNRegMax, 77);
    EXPECT_FALSE(f.cmdBoton(frmOpciones::kAplicar)->isEnabled());
    EXPECT_EQ(f.result(), 0);
}

TEST_F(frmOpcionesTest, AceptarCierraSoloSiTodoSeGuardo)
{
    frmOpciones& f = Abrir();
    f.txtOpciones(5)->setText(QStringLiteral("0"));
    scriptedUi().queueAnswer(ui::vbOK);
    f.cmdBoton(frmOpciones::kAceptar)->click();
    EXPECT_EQ(f.result(), 0);
    EXPECT_EQ(Pestana(), "Documentos");
    EXPECT_EQ(Ajuste(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MAXPAGLIBRO()), "<nada>");

    f.txtOpciones(5)->setText(QStringLiteral("300"));
    f.cmdBoton(frmOpciones::kAceptar)->click();
    EXPECT_EQ(f.result(), int(QDialog::Accepted));
    EXPECT_EQ(Ajuste(cCRegistry::DOCUMENTOS(), cCRegistry::DOCUMENTOS_MAXPAGLIBRO()), "300");
}

TEST_F(frmOpcionesTest, UnaContrasenaNuevaHabilitaLaAnterior)
{
    frmOpciones& f = Abrir();
    f.tbsOptions()->setCurrentIndex(1);
    EXPECT_EQ(f.focusWidget(), f.txtOpciones(1));
    QTest::keyClicks(f.txtOpciones(1), QStringLiteral("abc"));
    QTest::keyClicks(f.txtOpciones(2), QStringLiteral("abc"));
    EXPECT_TRUE(f.mblnCambiarClave);
    f.cmdBoton(frmOpciones::kAplicar)->click();

    EXPECT_EQ(Ajuste(cCRegistry::PRINCIPAL(), cCRegistry::PRINCIPAL_CLAVE()),
              PVAPI::cCodificadorPassword::Codificado(QStringLiteral("abc")));
    EXPECT_TRUE(f.txtOpciones(0)->isEnabled());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(f.txtOpciones(i)->text().isEmpty());
    EXPECT_FALSE(f.mblnCambiarClave);
}

// Text pasted into a password box is a change, though no key was typed.
TEST_F(frmOpcionesTest, UnaContrasenaPegadaCuenta)
{
    frmOpciones& f = Abrir();
    f.txtOpciones(1)->setText(QStringLiteral("abc"));
    EXPECT_FALSE(f.mblnCambiarClave);
    emit f.txtOpciones(1)->textEdited(QStringLiteral("abc"));
    EXPECT_TRUE(f.mblnCambiarClave);
    EXPECT_TRUE(f.cmdBoton(frmOpciones::kAplicar)->isEnabled());
}

TEST_F(frmOpcionesTest, ElBotonMargenesAbreLosDelDocumento)
{
    frmMargenes* abierto = nullptr;
    servicios.ejecutarDialogo = [&](QDialog& dialogo) {
        abierto = qobject_cast<frmMargenes*>(&dialogo);
        if (abierto) {
            EXPECT_EQ(abierto->mstrREG_Key_MargenSup, cCRegistry::DOCUMENTOS_MARGENSUPERIOR());
            EXPECT_EQ(abierto->mstrREG_Section, QStringLiteral("Administrador\\3082\\") + cCRegistry::DOCUMENTOS());
            EXPECT_EQ(abierto->mintMIN_MargenIzq, "25");
            EXPECT_EQ(abierto->mintMAX_MargenSup, "30");
            EXPECT_EQ(abierto->txtMargenes(0)->text(), "20");
        }
        return 0;
    };
    frmOpciones& f = Abrir();
    f.tbsOptions()->setCurrentIndex(2);
    Elegir(QStringLiteral("Libros"));
    f.cmdMargenes()->click();
    EXPECT_NE(abierto, nullptr);
    EXPECT_FALSE(f.cmdBoton(frmOpciones::kAplicar)->isEnabled());
}

TEST_F(frmOpcionesTest, PropiedadesTerminaConElAvisoDeReiniciar)
{
    int conexiones = 0;
    servicios.mostrarConexiones = [&] { ++conexiones; };
    frmOpciones& f = Abrir();
    scriptedUi().queueAnswer(ui::vbOK);
    f.cmdOpciones()->click();
    EXPECT_EQ(conexiones, 1);
    EXPECT_EQ(scriptedUi().lastMessage().text,
              QStringLiteral("Para que los cambios realizados en los enlaces de datos sean efectivos debe cerrar "
                             "primero la aplicación."));
    EXPECT_EQ(scriptedUi().lastMessage().icon, ui::vbInformation);
    EXPECT_EQ(scriptedUi().beepCount(), 1);
    EXPECT_TRUE(f.cmdBoton(frmOpciones::kAplicar)->isEnabled());

    // Without the connection dialog the button says why it does nothing.
    servicios.mostrarConexiones = {};
    Abrir();
    scriptedUi().queueAnswer(ui::vbOK);
    forma->cmdOpciones()->click();
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("no está disponible")));
}

} // namespace
