// The preview, opened by the control from the sample template over a real
// program folder, paged through, printed and saved as the user would.
#include "fixtures/TempProgramFolder.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cCPassword.h"
#include "platform/report/ControlInforme.h"
#include "platform/report/VentanaVistaPrevia.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using report::VentanaVistaPrevia;
using testsupport::scriptedUi;

const QString kEjemplo = QStringLiteral("Ejemplo_CertificadoBautismo.rpt");

class VentanaVistaPreviaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_carpeta.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(DUZ_PLANTILLAS "/") + kEjemplo, m_carpeta.file(kEjemplo)));
        db::Connection con = m_carpeta.abrir(BaseDatosPrograma::Informes);
        const QString notas = QStringLiteral("Nota marginal larga de Peñíscola. ").repeated(60);
        for (int i = 1; i <= 3; ++i) {
            con.Exec(QStringLiteral("INSERT INTO Documentos_Bautismo (Orden, Libro, Folio, Numero, Nombre, PrimerApellido, "
                                    "SegundoApellido, FechaNacimiento, FechaBautismo, NotasMarginales, InstitucionTipo, "
                                    "InstitucionNombre, Institucion_Poblacion, Firmante, CargoFirmante, FechaExpedicion) "
                                    "VALUES (?, '12', ?, ?, ?, 'Núñez', 'Ibáñez', '20070305', '20070415', ?, 'Parroquia', "
                                    "'San Juan', 'Peñíscola', 'D. Javier Peña', 'Cura párroco', '20250301')"),
                     {i, 30 + i, QString::number(150 + i), QStringLiteral("Persona %1").arg(i),
                      i == 2 ? db::Value(notas) : db::Value()});
        }
        m_control.setReportFileName(QStringLiteral("\\") + kEjemplo);
        m_control.setDataFiles(0, m_carpeta.path() + QStringLiteral("\\Informes.mdb"));
        m_control.setPassword(QStringLiteral("\n") + PVAPI::cCPassword::PASSWORD_INFORMES());
        m_control.setWindowTitle(QStringLiteral("Certificado de bautismo"));
        m_control.PrintReport();
        ASSERT_EQ(m_control.LastErrorNumber(), 0) << m_control.LastErrorString().toStdString();
        m_vista = m_control.UltimaVistaPrevia();
        ASSERT_NE(m_vista, nullptr);
    }

    void TearDown() override
    {
        if (m_vista)
            m_vista->close();
    }

    QToolButton* boton(const QString& texto) const
    {
        for (QToolButton* b : m_vista->findChildren<QToolButton*>()) {
            if (b->text() == texto)
                return b;
        }
        ADD_FAILURE() << "no hay botón " << texto.toStdString();
        return nullptr;
    }

    QString numeroDePagina() const
    {
        for (QLabel* l : m_vista->findChildren<QLabel*>()) {
            if (l->text().startsWith(QStringLiteral("Página")))
                return l->text();
        }
        return {};
    }

    TempProgramFolder m_carpeta;
    testsupport::ScopedEnv m_sinPdf{"DUZEDIV_REPORT_PDF_DIR", std::nullopt};
    report::ControlInforme m_control;
    QPointer<VentanaVistaPrevia> m_vista;
};

TEST_F(VentanaVistaPreviaTest, PagesThroughTheSampleCertificates)
{
    // Three certificates; the long margin notes of the second go on.
    const int paginas = m_vista->paginas();
    ASSERT_GE(paginas, 4);
    EXPECT_TRUE(m_vista->isVisible());
    EXPECT_EQ(m_vista->paginaActual(), 0);
    EXPECT_EQ(numeroDePagina(), QStringLiteral("Página 1 de %1").arg(paginas));
    EXPECT_FALSE(boton(QStringLiteral("<"))->isEnabled());

    QTest::mouseClick(boton(QStringLiteral(">")), Qt::LeftButton);
    EXPECT_EQ(m_vista->paginaActual(), 1);
    QTest::keyClick(m_vista, Qt::Key_PageDown);
    EXPECT_EQ(m_vista->paginaActual(), 2);
    QTest::mouseClick(boton(QStringLiteral(">|")), Qt::LeftButton);
    EXPECT_EQ(m_vista->paginaActual(), paginas - 1);
    EXPECT_EQ(numeroDePagina(), QStringLiteral("Página %1 de %1").arg(paginas));
    EXPECT_FALSE(boton(QStringLiteral(">"))->isEnabled());
    QTest::keyClick(m_vista, Qt::Key_PageDown);
    EXPECT_EQ(m_vista->paginaActual(), paginas - 1);
    QTest::mouseClick(boton(QStringLiteral("|<")), Qt::LeftButton);
    EXPECT_EQ(m_vista->paginaActual(), 0);

    // Each certificate starts a page with its own name.
    QStringList nombres;
    for (const report::Pagina& p : m_vista->modelo().paginas) {
        for (const QString& t : p.Textos()) {
            if (t.startsWith(QLatin1String("Persona ")))
                nombres << t;
        }
    }
    EXPECT_EQ(nombres, (QStringList{QStringLiteral("Persona 1 Núñez Ibáñez"), QStringLiteral("Persona 2 Núñez Ibáñez"),
                                    QStringLiteral("Persona 3 Núñez Ibáñez")}));
}

TEST_F(VentanaVistaPreviaTest, ZoomRedrawsThePageLarger)
{
    const auto* hoja = [&]() -> QLabel* {
        for (QLabel* l : m_vista->findChildren<QLabel*>()) {
            if (!l->pixmap().isNull())
                return l;
        }
        return nullptr;
    }();
    ASSERT_NE(hoja, nullptr);
    const int ancho = hoja->pixmap().width();
    m_vista->setZoom(200);
    EXPECT_NEAR(hoja->pixmap().width(), 2 * ancho, 2);
    EXPECT_EQ(m_vista->zoom(), 200);
}

TEST_F(VentanaVistaPreviaTest, WithoutPrintersPrintOffersAPdf)
{
    QTemporaryDir destino;
    const QString ruta = destino.filePath(QStringLiteral("certificado.pdf"));
    QStringList sugeridos;
    m_vista->setConsultaImpresoras([] { return false; });
    m_vista->setPreguntaArchivo([&](QWidget*, const QString& sugerido) {
        sugeridos << QFileInfo(sugerido).fileName();
        return ruta;
    });

    scriptedUi().queueAnswer(ui::vbNo);
    m_vista->Imprimir();
    EXPECT_EQ(scriptedUi().lastMessage().text,
              QStringLiteral("No hay ninguna impresora instalada.\n¿Desea guardar el informe como PDF?"));
    EXPECT_TRUE(sugeridos.isEmpty());
    EXPECT_FALSE(QFile::exists(ruta));

    scriptedUi().queueAnswer(ui::vbYes);
    m_vista->Imprimir();
    EXPECT_EQ(sugeridos, QStringList{QStringLiteral("Certificado de bautismo.pdf")});
    EXPECT_GT(QFileInfo(ruta).size(), 1000);
    EXPECT_EQ(scriptedUi().printerSetupCount(), 0);
}

TEST_F(VentanaVistaPreviaTest, PrintAsksThePrintDialogAndACancelPrintsNothing)
{
    m_vista->setConsultaImpresoras([] { return true; });
    scriptedUi().setPrinterSetupResult(false);
    m_vista->Imprimir();
    EXPECT_EQ(scriptedUi().printerSetupCount(), 1);
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
}

TEST_F(VentanaVistaPreviaTest, SaveAsPdfWritesTheFileTheUserChose)
{
    QTemporaryDir destino;
    const QString ruta = destino.filePath(QStringLiteral("copia.pdf"));
    m_vista->setPreguntaArchivo([&](QWidget*, const QString&) { return ruta; });
    QTest::mouseClick(boton(QStringLiteral("Guardar como PDF")), Qt::LeftButton);
    EXPECT_GT(QFileInfo(ruta).size(), 1000);

    // Cancelled: nothing else happens.
    m_vista->setPreguntaArchivo([](QWidget*, const QString&) { return QString(); });
    m_vista->GuardarComoPdf();
    EXPECT_EQ(QDir(destino.path()).entryList(QDir::Files), QStringList{QStringLiteral("copia.pdf")});
}

} // namespace
