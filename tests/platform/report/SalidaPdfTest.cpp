// PDF output: what a user reads back from the file, its fonts, its name.
#include "BaseInformesPrueba.h"

#include "platform/report/ControlInforme.h"
#include "platform/report/ErroresInforme.h"
#include "platform/report/SalidaPdf.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

// The output of a poppler tool on a file; fails the test when the tool
// is missing (scripts/setup installs poppler-utils).
QString Poppler(const QString& herramienta, const QStringList& argumentos)
{
    QProcess p;
    p.start(herramienta, argumentos);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << herramienta.toStdString() << " no ha funcionado (¿falta poppler-utils?): "
                      << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

class SalidaPdfTest : public BaseInformesPrueba {
protected:
    void SetUp() override
    {
        BaseInformesPrueba::SetUp();
        ASSERT_TRUE(m_pdfs.isValid());
        m_destino.emplace("DUZEDIV_REPORT_PDF_DIR", m_pdfs.path().toUtf8());
    }

    QTemporaryDir m_pdfs;
    std::optional<testsupport::ScopedEnv> m_destino;
};

TEST_F(SalidaPdfTest, ThePdfReadsBackWithItsSpanishTextAndEmbeddedFonts)
{
    persona(1, QStringLiteral("Begoña"), QStringLiteral("Núñez Ibáñez"), QStringLiteral("Peñíscola"),
            QStringLiteral("20070305"));
    report::ControlInforme control;
    control.setReportFileName(plantilla(QStringLiteral("cert.rpt"), Xml(QStringLiteral(R"(
        <formula nombre="Nota" valor="''"/>
        <detalle>
          <texto x="0" y="0" ancho="170" puntos="14" negrita="si" letra="serif">Certificado de {Personas.Nombre} {Personas.Apellido}</texto>
          <texto x="0" y="10" ancho="170" cursiva="si">nacida en {Personas.Parroquia} el {Personas.Fecha:fechaLarga}; {@Nota}</texto>
        </detalle>)"))));
    control.setDataFiles(0, base());
    control.setPassword(clave());
    control.setWindowTitle(QStringLiteral("Certificado de bautismo"));
    control.setFormulas(1, QStringLiteral("Nota=\"año: ¿sí? ¡ñ!\""));
    control.PrintReport();
    ASSERT_EQ(control.LastErrorNumber(), 0) << control.LastErrorString().toStdString();
    ASSERT_EQ(control.UltimoPdf(), QDir(m_pdfs.path()).filePath(QStringLiteral("Certificado de bautismo-0001.pdf")));

    const QString texto = Poppler(QStringLiteral("pdftotext"), {control.UltimoPdf(), QStringLiteral("-")});
    EXPECT_TRUE(texto.contains(QStringLiteral("Certificado de Begoña Núñez Ibáñez"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("nacida en Peñíscola el 5 de marzo de 2007; año: ¿sí? ¡ñ!")))
        << texto.toStdString();

    const QStringList fuentes = Poppler(QStringLiteral("pdffonts"), {control.UltimoPdf()}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(fuentes.size(), 2); // DejaVu Serif bold, DejaVu Sans oblique
    for (const QString& f : fuentes) {
        EXPECT_TRUE(f.startsWith(QLatin1String("DejaVu"))) << f.toStdString();
        EXPECT_EQ(f.split(u' ', Qt::SkipEmptyParts).value(4), QStringLiteral("yes")) << "not embedded: " << f.toStdString();
    }
}

TEST_F(SalidaPdfTest, EachPrintGetsTheNextFreeNameAndNoTemporaryIsLeft)
{
    persona(1, QStringLiteral("Ana"), QStringLiteral("X"));
    report::ControlInforme control;
    control.setReportFileName(plantilla(QStringLiteral("p.rpt"),
                                        Xml(QStringLiteral(R"(<detalle><texto x="0" y="0" ancho="9">{Personas.Nombre}</texto></detalle>)"))));
    control.setDataFiles(0, base());
    control.setPassword(clave());
    control.setWindowTitle(QStringLiteral("Libro/Índice: bautismos?"));
    QFile ocupado(QDir(m_pdfs.path()).filePath(QStringLiteral("Libro_Índice_ bautismos_-0002.pdf")));
    ASSERT_TRUE(ocupado.open(QIODevice::WriteOnly));
    ocupado.close();

    for (int i = 0; i < 2; ++i) {
        control.PrintReport();
        ASSERT_EQ(control.LastErrorNumber(), 0) << control.LastErrorString().toStdString();
    }
    EXPECT_EQ(QDir(m_pdfs.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("Libro_Índice_ bautismos_-0001.pdf"),
                           QStringLiteral("Libro_Índice_ bautismos_-0002.pdf"),
                           QStringLiteral("Libro_Índice_ bautismos_-0003.pdf")}));
    EXPECT_EQ(QFileInfo(ocupado.fileName()).size(), 0); // never written over
}

TEST_F(SalidaPdfTest, AFolderThatCannotBeMadeIsAnErrorOfThePrint)
{
    QFile archivo(QDir(m_pdfs.path()).filePath(QStringLiteral("no-es-carpeta")));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.close();
    m_destino.emplace("DUZEDIV_REPORT_PDF_DIR", archivo.fileName().toUtf8() + "/sub");
    report::ControlInforme control;
    control.setReportFileName(plantilla(QStringLiteral("p.rpt"), Xml(QString(), QString())));
    control.PrintReport();
    EXPECT_EQ(control.LastErrorNumber(), report::err::Salida);
    EXPECT_EQ(QDir(m_pdfs.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("no-es-carpeta")});
}

TEST(NombreArchivoSeguroTest, TitlesBecomeSafeFileNames)
{
    const std::pair<const char*, const char*> casos[] = {
        {"Libro de bautismo", "Libro de bautismo"},
        {"Expediente matrimonial (formato 3)", "Expediente matrimonial (formato 3)"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
        {"  ..oculto.  ", "oculto"},
        {"tab\tsalto\nfin", "tab_salto_fin"},
        {"", "Informe"},
        {"...", "Informe"},
        {"Índice de confirmaciones: Peñíscola", "Índice de confirmaciones_ Peñíscola"},
    };
    for (const auto& [titulo, nombre] : casos)
        EXPECT_EQ(report::NombreArchivoSeguro(QString::fromUtf8(titulo)), QString::fromUtf8(nombre)) << titulo;
    EXPECT_EQ(report::NombreArchivoSeguro(QString(300, u'x')).size(), 120);
}

} // namespace
