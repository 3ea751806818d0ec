#include "AsistenteFixture.h"

#include "import/frmImportar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QApplication>
#include <QFocusEvent>
#include <QStackedWidget>

// The window shows the wizard's state and hands it the user's actions.

using ::testing::_;
using ::testing::Invoke;

class frmImportarTest : public AsistenteTest {
public:
    template <class W>
    W* Control(const QString& nombre)
    {
        auto* widget = ventana->findChild<W*>(nombre);
        EXPECT_NE(widget, nullptr) << nombre.toStdString();
        return widget;
    }
    void Pulsar(int boton) { Control<QPushButton>(QStringLiteral("cmdImportar(%1)").arg(boton))->click(); }
    int Pagina() { return ventana->findChild<QStackedWidget*>()->currentIndex(); }

    std::unique_ptr<frmImportar> ventana;
};

TEST_F(frmImportarTest, LaVentanaLlevaAlAsistentePorSusPaginas)
{
    CrearArchivo(QStringLiteral("Defu.dbf"));
    ventana = std::make_unique<frmImportar>(contexto);
    ventana->show();
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("Asistente para importar datos"));
    EXPECT_EQ(Pagina(), 0);
    EXPECT_FALSE(Control<QPushButton>(QStringLiteral("cmdImportar(2)"))->isEnabled());
    EXPECT_FALSE(Control<QWidget>(QStringLiteral("fraUbicacion"))->isVisible());

    auto* fuente = Control<QComboBox>(QStringLiteral("cboImportar"));
    fuente->setCurrentIndex(0);
    emit fuente->activated(0);
    EXPECT_TRUE(Control<QWidget>(QStringLiteral("fraUbicacion"))->isVisible());
    auto* ruta = Control<QLineEdit>(QStringLiteral("txtPath"));
    ruta->setText(origen.path());
    emit ruta->textEdited(origen.path());
    Pulsar(3);
    ASSERT_EQ(Pagina(), 1);
    auto* modulos = Control<QListWidget>(QStringLiteral("lstImportar(0)"));
    ASSERT_EQ(modulos->count(), 2);
    modulos->item(1)->setSelected(true);
    Pulsar(3);
    ASSERT_EQ(Pagina(), 10);
    Control<QListWidget>(QStringLiteral("lstImportar(2)"))->item(Defuncion)->setSelected(true);
    Pulsar(3);
    ASSERT_EQ(Pagina(), 2);
    const auto caritas = Control<QListWidget>(QStringLiteral("lstImportar(1)"))->findItems(QStringLiteral("Cáritas"), Qt::MatchExactly);
    ASSERT_EQ(caritas.size(), 1);
    caritas.first()->setSelected(true);
    Pulsar(3);
    ASSERT_EQ(Pagina(), 15);
    EXPECT_EQ(Control<QLineEdit>(QStringLiteral("txtDatosDefuncion(0)"))->text(), QStringLiteral("Cáritas"));
    EXPECT_EQ(Control<QComboBox>(QStringLiteral("cboFolio(3)"))->currentText(),
              QStringLiteral("Dos partidas por folio"));
    Pulsar(3);
    Pulsar(3);
    ASSERT_EQ(Pagina(), 3);
    EXPECT_TRUE(Control<QWidget>(QStringLiteral("lblImportar(13)"))->isVisible());

    // While the add-in works the close box and Cancelar are ignored.
    EXPECT_CALL(gestPar, ImportarKaldexGP(_)).WillOnce(Invoke([&](const dobles::LlamadaImportarKaldexGP& llamada) {
        EXPECT_EQ(Pagina(), 11);
        EXPECT_EQ(*llamada.strPathDefuncion, origen.path());
        EXPECT_EQ(*llamada.lngIDInstitucion, idCaritas);
        ventana->close();
        ventana->reject();
        EXPECT_TRUE(ventana->isVisible());
    }));
    Pulsar(4);
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(ventana->result(), QDialog::Accepted);
}

// The folder box and the institution's data boxes select their whole text
// when entered; other boxes leave it as it is.
TEST_F(frmImportarTest, LasCajasDeRutaYDatosSeleccionanSuTextoAlEntrar)
{
    ventana = std::make_unique<frmImportar>(contexto);
    ventana->show();
    for (const auto& [nombre, selecciona] : {std::pair{"txtPath", true}, std::pair{"txtDatos(2)", true},
                                             std::pair{"txtDatosBautismo(0)", false}}) {
        SCOPED_TRACE(nombre);
        auto* caja = Control<QLineEdit>(QString::fromLatin1(nombre));
        caja->setText(QStringLiteral("Parroquia de San Juan"));
        caja->setCursorPosition(3);
        QFocusEvent entrada(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(caja, &entrada);
        QCoreApplication::processEvents();
        EXPECT_EQ(caja->selectedText(), selecciona ? caja->text() : QString());
    }
}

TEST_F(frmImportarTest, CancelarCierraLaVentana)
{
    ventana = std::make_unique<frmImportar>(contexto);
    ventana->show();
    Pulsar(1);
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_TRUE(ventana->Asistente().Descargado());
}
