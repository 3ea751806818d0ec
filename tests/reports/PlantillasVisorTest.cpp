// The viewer's templates through the real engine: each one reads, lays out
// and writes a PDF; three reports print the fixture's names and totals.

#include "addin_doubles/MockVodidazaz.h"
#include "addin_doubles/RegistroMock.h"
#include "platform/report/ControlInforme.h"
#include "reports/BotoneraInformes.h"
#include "reports/FixtureInformes.h"
#include "support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>

#include <optional>

using ::testing::InvokeWithoutArgs;
using ::testing::NiceMock;
using dobles::MockVodidazaz;

namespace {

const QStringList kPlantillas = {
    "infDO_CertificadoRecibos.rpt", "infDO_PersonaDonativo.rpt", "infDO_Remesa.rpt", "infDO_Persona.rpt",
    "infDO_Donante.rpt", "infDO_Donativo.rpt", "infDO_Etiqueta.rpt", "infDO_impagados.rpt",
    "infDO_TotalesVodidazaz.rpt", "infGP_Actividad.rpt", "infGP_Colabora.rpt", "infGP_ColaboraExt.rpt",
    "infGP_TareasAgenda.rpt", "infGP_DuplicadasBautismo.rpt", "infGP_DuplicadasConfirmacion.rpt",
    "infGP_DuplicadasMatrimonio.rpt", "infGP_DuplicadasDefuncion.rpt", "infGP_SolicitudBautismoBlanco.rpt",
    "infGP_NotificacionConfirmacionPlantilla.rpt", "infGP_ExpedienteMatrimonioValdenaPlantilla.rpt",
    "infGP_ExpedienteMatrimonioPlantilla.rpt", "infGP_ExpedienteMatrimonioFormato1Plantilla.rpt",
    "infGP_ExpedienteMatrimonioOtrasPlantilla.rpt", "infGP_ExpedienteMatrimonioFormato2Plantilla.rpt",
    "infGP_ExpedienteMatrimonioFormato3Plantilla.rpt", "infGP_AtestadoPlantilla.rpt",
    "infGP_Allegato_V_1_Plantilla.rpt", "infGP_Allegato_V_2_Plantilla.rpt",
};

QString TextoPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext no ha funcionado (¿falta poppler-utils?)";
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

class PlantillasVisorTest : public FixtureInformes {
protected:
    void SetUp() override
    {
        FixtureInformes::SetUp();
        ASSERT_TRUE(m_pdfs.isValid());
        m_destino.emplace("DUZEDIV_REPORT_PDF_DIR", m_pdfs.path().toUtf8());
        for (const QString& p : kPlantillas) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(DUZ_PLANTILLAS "/") + p, QDir(m_carpeta->path()).filePath(p)))
                << p.toStdString();
        }
        m_motor = &m_real;
        m_config.ContabilidadDLL = false;
        m_config.GestionParroquialDLL = false;
        m_ctx = Contexto();
    }

    void Todos(const QString& caption)
    {
        ObjetosBotonera objetos(m_estado.appTitle);
        CrearObjetosBotonera(m_config, objetos);
        QProgressBar barra;
        const EntornoInforme e(m_ctx, objetos, &barra, caption, 0);
        EXPECT_TRUE(EjecutarTodos(e, caption));
    }

    QTemporaryDir m_pdfs;
    std::optional<testsupport::ScopedEnv> m_destino;
    report::ControlInforme m_real;
    ContextoInformes m_ctx;
};

TEST_F(PlantillasVisorTest, EveryTemplateOfTheViewerPrintsOverEmptyTables)
{
    for (const QString& p : kPlantillas) {
        m_real.setReportFileName(QDir(m_carpeta->path()).filePath(p));
        m_real.setDataFiles(0, QDir(m_carpeta->path()).filePath(QStringLiteral("Informes.mdb")));
        m_real.setPassword(QStringLiteral("\nNvP2000#Informes"));
        m_real.setWindowTitle(p);
        m_real.PrintReport();
        EXPECT_EQ(m_real.LastErrorNumber(), 0) << p.toStdString() << ": " << m_real.LastErrorString().toStdString();
        EXPECT_TRUE(QFile::exists(m_real.UltimoPdf())) << p.toStdString();
    }
}

TEST_F(PlantillasVisorTest, DonorsLabelsAndTotalsPrintTheFixturesNamesAndSums)
{
    const QStringList personas = {
        "INSERT INTO Informe_Persona (Orden, Persona_Nombre, Persona_NIF, Persona_Poblacion) "
        "VALUES (1, 'Núñez Ibáñez, Begoña', '12345678Z', 'Peñíscola')",
        "INSERT INTO Informe_Persona (Orden, Persona_Nombre, Persona_NIF, Persona_Poblacion) "
        "VALUES (2, 'García López, Ramón', '87654321X', 'Valdena')"};
    const QStringList etiquetas = {
        "INSERT INTO Etiquetas (Orden, Nombre, Domicilio, CP, Poblacion, Provincia) "
        "VALUES (1, 'Begoña Núñez Ibáñez', 'Calle Mayor 3', '12598', 'Peñíscola', 'Castellón')"};
    const QStringList totales = {
        "INSERT INTO Informe_Totales_Vodidazaz (Orden, Institucion_Nombre, TipoDonativo, NumeroDonativos, "
        "ImporteCaja, ImporteBanco, ImporteTotal) VALUES (1, 'Parroquia de San Roque', 'Cuota mensual', 3, 10.5, 20, 30.5)",
        "INSERT INTO Informe_Totales_Vodidazaz (Orden, Institucion_Nombre, TipoDonativo, NumeroDonativos, "
        "ImporteCaja, ImporteBanco, ImporteTotal) VALUES (2, 'Parroquia de San Roque', 'Colecta', 2, 1000, 0, 1000)"};
    dobles::RegistroMock<NiceMock<MockVodidazaz>> vodidazaz([&](MockVodidazaz& m) {
        ON_CALL(m, InformePersonas).WillByDefault(InvokeWithoutArgs([&] { Informes(personas); }));
        ON_CALL(m, InformeEtiquetas).WillByDefault(InvokeWithoutArgs([&] { Informes(etiquetas); }));
        ON_CALL(m, INFORMETOTALESVODIDAZAZ).WillByDefault(InvokeWithoutArgs([&] { Informes(totales); }));
    });

    Todos(QStringLiteral("Donantes"));
    QString texto = TextoPdf(m_real.UltimoPdf());
    EXPECT_TRUE(texto.contains(QStringLiteral("Informe de donantes"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("Núñez Ibáñez, Begoña"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("García López, Ramón")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Página 1 de 1")));

    Todos(QStringLiteral("Etiquetas"));
    texto = TextoPdf(m_real.UltimoPdf());
    EXPECT_TRUE(texto.contains(QStringLiteral("Begoña Núñez Ibáñez"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("12598 Peñíscola")));

    Todos(QStringLiteral("Totales de donativos"));
    texto = TextoPdf(m_real.UltimoPdf());
    EXPECT_TRUE(texto.contains(QStringLiteral("Parroquia de San Roque"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("1.030,50"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("1.010,50")));

    EXPECT_EQ(Filas(QStringLiteral("Informe_Persona")), 0);
    EXPECT_EQ(Filas(QStringLiteral("Etiquetas")), 0);
    EXPECT_EQ(Filas(QStringLiteral("Informe_Totales_Vodidazaz")), 0);
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join(QLatin1Char('|')).toStdString();
}

TEST_F(PlantillasVisorTest, DuplicateBooksPrintEachEntryUnderItsBook)
{
    Informes({QStringLiteral("INSERT INTO Documentos_Bautismo (Orden, Libro, Folio, Numero, Nombre, PrimerApellido, "
                             "SegundoApellido, FechaBautismo, NotasMarginales) VALUES (1, '7', 12, '34', 'Íñigo', "
                             "'Peña', 'Muñoz', '20070305', 'Casado en Valdena')"),
              QStringLiteral("INSERT INTO Documentos_Matrimonio (IDDocumentos_Matrimonio, Orden, Libro, Folio, Numero, "
                             "FechaMatrimonio) VALUES (5, 1, '3', 8, '21', '20150620')"),
              QStringLiteral("INSERT INTO Documentos_Matrimonio_Novios (CodDocumentos_Matrimonio, Nombre, "
                             "PrimerApellido) VALUES (5, 'Raúl', 'Sánchez')"),
              QStringLiteral("INSERT INTO Documentos_Matrimonio_Novias (CodDocumentos_Matrimonio, Nombre, "
                             "PrimerApellido) VALUES (5, 'Lucía', 'Álvarez')")});
    const struct {
        const char* plantilla;
        QStringList textos;
    } casos[] = {
        {"infGP_DuplicadasBautismo.rpt",
         {"Libro 7", "Folio 12 · Número 34", "Íñigo Peña Muñoz", "5 de marzo de 2007", "Casado en Valdena"}},
        {"infGP_DuplicadasMatrimonio.rpt", {"Libro 3", "Raúl Sánchez", "Lucía Álvarez", "20 de junio de 2015"}},
    };
    for (const auto& c : casos) {
        m_real.setReportFileName(QDir(m_carpeta->path()).filePath(QString::fromLatin1(c.plantilla)));
        m_real.setDataFiles(0, QDir(m_carpeta->path()).filePath(QStringLiteral("Informes.mdb")));
        m_real.setPassword(QStringLiteral("\nNvP2000#Informes"));
        m_real.setWindowTitle(QStringLiteral("Duplicadas"));
        m_real.PrintReport();
        ASSERT_EQ(m_real.LastErrorNumber(), 0) << m_real.LastErrorString().toStdString();
        const QString texto = TextoPdf(m_real.UltimoPdf()).simplified();
        for (const QString& t : c.textos)
            EXPECT_TRUE(texto.contains(t)) << c.plantilla << ": " << t.toStdString() << "\n" << texto.toStdString();
    }
}

} // namespace
