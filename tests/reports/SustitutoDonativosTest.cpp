// The donations stand-in's reports over all records, through the viewer and
// the real engine: its fill reads the parish database, the print shows it
// and the work table is empty afterwards.

#include "addin_doubles/InstalarComplementos.h"
#include "platform/db/Recordset.h"
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

namespace {

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

class SustitutoDonativosTest : public FixtureInformes {
protected:
    void SetUp() override
    {
        FixtureInformes::SetUp();
        ASSERT_TRUE(dobles::InstalarComplementos(m_carpeta->path(), {QStringLiteral("PVVodidazaz")}));
        ASSERT_TRUE(m_pdfs.isValid());
        m_destino.emplace("DUZEDIV_REPORT_PDF_DIR", m_pdfs.path().toUtf8());
        for (const char* p : {"infDO_Persona.rpt", "infDO_Etiqueta.rpt", "infDO_TotalesVodidazaz.rpt",
                              "infDO_PersonaDonativo.rpt", "infDO_Donante.rpt", "infDO_Donativo.rpt",
                              "infDO_Remesa.rpt", "infDO_CertificadoRecibos.rpt"}) {
            const QString nombre = QString::fromLatin1(p);
            ASSERT_TRUE(QFile::copy(QStringLiteral(DUZ_PLANTILLAS "/") + nombre,
                                    QDir(m_carpeta->path()).filePath(nombre)));
        }
        m_motor = &m_real;
        m_config.ContabilidadDLL = false;
        m_config.GestionParroquialDLL = false;
        m_ctx = Contexto();

        db::Connection& c = m_den.conLocal;
        c.Execute(QStringLiteral("INSERT INTO Provincia (IDProvincia, Nombre) VALUES (1, 'Castellón')"));
        c.Execute(QStringLiteral("INSERT INTO Municipio (IDMunicipio, Nombre, CodProvincia) VALUES (1, 'Peñíscola', 1)"));
        c.Execute(QStringLiteral("INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (1, 'Parroquia de San Roque')"));
        c.Execute(QStringLiteral("INSERT INTO Tipo_Donativo (IDTipo_Donativo, Descripcion) VALUES (1, 'Cuota mensual')"));
        Persona(1, "Begoña", "Núñez", "Ibáñez", 1);
        Persona(2, "Ramón", "García", "López", 1);
        Persona(3, "Ana", "Censada", "Solo", 2);  // not a donor
        Donativo(1, 1, 12.5, false);
        Donativo(2, 2, 30, true);
        Donativo(3, 2, 1000, false);
    }

    void Persona(int id, const char* nombre, const char* primero, const char* segundo, int tipo)
    {
        m_den.conLocal.Exec(QStringLiteral("INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, SegundoApellido, "
                                           "Direccion, CPostal, CodMunicipio, CodInstitucionEmpadronado) "
                                           "VALUES (?, ?, ?, ?, 'Calle Mayor 3', '12598', 1, 1)"),
                            {id, QString::fromUtf8(nombre), QString::fromUtf8(primero), QString::fromUtf8(segundo)});
        m_den.conLocal.Exec(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, ?)"),
                            {id, tipo});
    }

    void Donativo(int id, int persona, double euros, bool banco)
    {
        m_den.conLocal.Exec(QStringLiteral("INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, "
                                           "CodTipoDonativo, Importe, ImporteEur, PagoBanco) VALUES (?, ?, 1, 1, ?, ?, ?)"),
                            {id, persona, euros * 166.386, euros, banco});
    }

    QString Todos(const QString& caption)
    {
        ObjetosBotonera objetos(m_estado.appTitle);
        CrearObjetosBotonera(m_config, objetos);
        QProgressBar barra;
        const EntornoInforme e(m_ctx, objetos, &barra, caption, 0);
        EXPECT_TRUE(EjecutarTodos(e, caption));
        EXPECT_EQ(m_real.LastErrorNumber(), 0);
        return TextoPdf(m_real.UltimoPdf());
    }

    QTemporaryDir m_pdfs;
    std::optional<testsupport::ScopedEnv> m_destino;
    report::ControlInforme m_real;
    ContextoInformes m_ctx;
};

TEST_F(SustitutoDonativosTest, DonorsListEveryDonorBySurnameOnly)
{
    const QString texto = Todos(QStringLiteral("Donantes"));
    const qsizetype garcia = texto.indexOf(QStringLiteral("García López, Ramón"));
    const qsizetype nunez = texto.indexOf(QStringLiteral("Núñez Ibáñez, Begoña"));
    EXPECT_GE(garcia, 0) << texto.toStdString();
    EXPECT_GT(nunez, garcia);
    EXPECT_FALSE(texto.contains(QStringLiteral("Censada")));
    EXPECT_EQ(Filas(QStringLiteral("Informe_Persona")), 0);
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join(QLatin1Char('|')).toStdString();
}

TEST_F(SustitutoDonativosTest, LabelsCarryTheNameInReadingOrderAndTheTown)
{
    const QString texto = Todos(QStringLiteral("Etiquetas"));
    EXPECT_TRUE(texto.contains(QStringLiteral("Begoña Núñez Ibáñez"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("12598 Peñíscola")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Castellón")));
    EXPECT_EQ(Filas(QStringLiteral("Etiquetas")), 0);
}

TEST_F(SustitutoDonativosTest, TotalsSplitCashAndBankInTheWorkingCurrency)
{
    QString texto = Todos(QStringLiteral("Totales de donativos"));
    EXPECT_TRUE(texto.contains(QStringLiteral("Parroquia de San Roque"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("1.012,50"))) << texto.toStdString();  // cash
    EXPECT_TRUE(texto.contains(QStringLiteral("1.042,50")));                        // all
    EXPECT_EQ(Filas(QStringLiteral("Informe_Totales_Vodidazaz")), 0);

    m_config.TrabajarConPesetas = true;
    texto = Todos(QStringLiteral("Totales de donativos"));
    EXPECT_TRUE(texto.contains(QStringLiteral("173.457"))) << texto.toStdString();  // 1.042,50 € in pesetas
}

TEST_F(SustitutoDonativosTest, ReceiptsRemittancesAndCertificatesPrintTheirDonorsAndTotals)
{
    db::Connection& c = m_den.conLocal;
    c.Execute(QStringLiteral("UPDATE Institucion SET InstitucionTipo = 'Parroquia', InstitucionNombre = 'San Roque', "
                             "ResponsableNombre = 'Tomás', ResponsablePrimerApellido = 'Ruiz', "
                             "ResponsableCargo = 'Párroco', CodMunicipio = 1"));
    c.Execute(QStringLiteral("INSERT INTO Presentador (IDPresentador, Nombre, PrimerApellido, NIF) "
                             "VALUES (1, 'Caja', 'Rural', 'G12345678')"));
    c.Execute(QStringLiteral("INSERT INTO Remesa (IDRemesa, CodPresentador, Fecha, ImporteTotal, ImporteTotalEur) "
                             "VALUES (1, 1, '20260301', 4991.58, 30)"));
    c.Execute(QStringLiteral("INSERT INTO Recibo (CodDonativo, CodRemesa, NumeroRecibo, NumCertificado, Fecha, "
                             "Importe, ImporteEur, PagoBanco) VALUES (2, 1, '202600000001', '202600000007', "
                             "'20260301', 4991.58, 30, True)"));
    c.Execute(QStringLiteral("INSERT INTO Recibo (CodDonativo, CodRemesa, NumeroRecibo, NumCertificado, Fecha, "
                             "Importe, ImporteEur, PagoBanco) VALUES (3, 0, '202600000002', '202600000007', "
                             "'20260410', 166386, 1000, False)"));

    QString texto = Todos(QStringLiteral("Vodidazaz por donante"));
    EXPECT_TRUE(texto.contains(QStringLiteral("García López, Ramón"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("1.030,00")));

    texto = Todos(QStringLiteral("Donantes con donativo"));
    EXPECT_TRUE(texto.contains(QStringLiteral("Núñez Ibáñez, Begoña"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("1.042,50")));

    texto = Todos(QStringLiteral("Vodidazaz con donante"));
    EXPECT_TRUE(texto.contains(QStringLiteral("Tipo de donativo: Cuota mensual"))) << texto.toStdString();

    texto = Todos(QStringLiteral("Remesas"));
    EXPECT_TRUE(texto.contains(QStringLiteral("Remesa del 01/03/2026"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("202600000001")));
    EXPECT_FALSE(texto.contains(QStringLiteral("202600000002")));

    texto = Todos(QStringLiteral("Certificado-Recibos"));
    EXPECT_TRUE(texto.contains(QStringLiteral("CERTIFICADO DE DONATIVOS"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("202600000007")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Tomás Ruiz")));
    EXPECT_TRUE(texto.contains(QStringLiteral("1.030,00")));

    for (const char* t : {"Informe_Persona_Donativo", "Vodidazaz_Donantes", "Informe_Remesa",
                          "Informe_Certificado_Recibo"})
        EXPECT_EQ(Filas(QString::fromLatin1(t)), 0) << t;
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join(QLatin1Char('|')).toStdString();
}

} // namespace
