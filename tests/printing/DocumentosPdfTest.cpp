// Documents through the parish stand-in and the real engine, read back from
// the PDF: a baptism certificate, a book index, a request form, a
// confirmation notification and a page of cash receipts.

#include "FixtureImpresion.h"

#include "addin_doubles/InstalarComplementos.h"
#include "platform/addins/HostComplementos.h"
#include "platform/report/ControlInforme.h"
#include "printing/ExpedientesMatrimonio.h"
#include "printing/ImpresionesPartidas.h"
#include "printing/cInformes.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "support/ScopedEnv.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <optional>

namespace {

class DocumentosPdfTest : public FixtureImpresion {
protected:
    void SetUp() override
    {
        FixtureImpresion::SetUp();
        ASSERT_TRUE(dobles::InstalarComplementos(m_carpeta->path(), {QStringLiteral("PVGestionParroquial")}));
        ASSERT_TRUE(m_pdfs.isValid());
        m_destino.emplace("DUZEDIV_REPORT_PDF_DIR", m_pdfs.path().toUtf8());
        for (const QString& nombre : QDir(QStringLiteral(DUZ_PLANTILLAS)).entryList({QStringLiteral("*.rpt")})) {
            const QString destino = QDir(m_carpeta->path()).filePath(nombre);
            if (!QFile::exists(destino)) {
                ASSERT_TRUE(QFile::copy(QStringLiteral(DUZ_PLANTILLAS "/") + nombre, destino));
            }
        }
        m_motor = &m_real;
        m_complemento = addins::CrearObjeto<addins::cGestPar>(QString::fromLatin1(addins::cGestPar::NombreClase));
        ASSERT_TRUE(m_complemento);
        Local({
            QStringLiteral("INSERT INTO Provincia (IDProvincia, Nombre) VALUES (1, 'Zaragoza')"),
            QStringLiteral("INSERT INTO Municipio (IDMunicipio, Nombre, CodProvincia) VALUES (10, 'Calatayud', 1)"),
            QStringLiteral("INSERT INTO Institucion (IDInstitucion, Nombre, InstitucionTipo, InstitucionNombre, "
                           "Domicilio, CP, CodMunicipio, CIF, Parroco, Diocesis) VALUES (3, 'Santa María', "
                           "'Parroquia', 'Santa María la Mayor', 'Plaza de España 1', '50300', 10, 'R5000001A', "
                           "'D. Tomás Ruiz Pardo', 'Tarazona')"),
            QStringLiteral("INSERT INTO Libro_Bautismo (IDLibroBautismo, CodInstitucion, Nombre, Nuevo) "
                           "VALUES (5, 3, 'Cuarto', True)"),
            QStringLiteral("INSERT INTO Bautismo_Padres (IDPadres, Nombre, PrimerApellido, SegundoApellido, Abuelo, "
                           "Abuela) VALUES (1, 'Andrés', 'Íñiguez', 'Lahoz', 'Pedro Íñiguez', 'Rosa Lahoz')"),
            QStringLiteral("INSERT INTO Bautismo_Madres (IDMadres, Nombre, PrimerApellido, SegundoApellido, Abuelo, "
                           "Abuela) VALUES (1, 'Pilar', 'Muñoz', 'Sanz', 'Luis Muñoz', 'Carmen Sanz')"),
            QStringLiteral("INSERT INTO Bautismo (IDBautismo, CodLibro, Folio, Numero, FechaBautismo, CodPadres, "
                           "CodMadres, Padrino, Madrina, Ministro, NotasMarginales) VALUES (70, 5, 12, '34', "
                           "'20240420', 1, 1, 'Jorge Lahoz', 'Ana Sanz', 'D. Tomás Ruiz Pardo', "
                           "'Contrajo matrimonio canónico en esta parroquia.')"),
            QStringLiteral("INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido, SegundoApellido) "
                           "VALUES (70, 'Lucía', 'Íñiguez', 'Muñoz')"),
            QStringLiteral("INSERT INTO Bautismo (IDBautismo, CodLibro, Folio, Numero, FechaBautismo) "
                           "VALUES (71, 5, 3, '7', '20230105')"),
            QStringLiteral("INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido, SegundoApellido) "
                           "VALUES (71, 'Mateo', 'Abad', 'Royo')"),
        });
    }

    ContextoImpresion ContextoReal()
    {
        ContextoImpresion ctx = Contexto();
        ctx.gestPar = m_complemento.get();
        return ctx;
    }

    QString Texto()
    {
        EXPECT_EQ(m_real.LastErrorNumber(), 0) << m_real.LastErrorString().toStdString();
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), m_real.UltimoPdf(), QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0);
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }

    QTemporaryDir m_pdfs;
    std::optional<testsupport::ScopedEnv> m_destino;
    report::ControlInforme m_real;
    std::unique_ptr<addins::cGestPar> m_complemento;
};

TEST_F(DocumentosPdfTest, CertificadoDeBautismo)
{
    qint32 id = 70;
    ImpresionesPartidas(ContextoReal()).ImprimirCertificadoPartida(id, QStringLiteral("PartidasBautismo"));
    const QString texto = Texto();
    for (const char* esperado :
         {"DIÓCESIS DE Tarazona", "Parroquia Santa María la Mayor", "CERTIFICADO DE BAUTISMO",
          "Libro Cuarto · Folio 12 · Número 34", "Lucía Íñiguez Muñoz", "20 de abril de 2024",
          "Andrés Íñiguez Lahoz y Pilar Muñoz Sanz", "Contrajo matrimonio canónico", "D. Tomás Ruiz Pardo",
          "Párroco", "expido el presente certificado en Calatayud"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(DocumentosPdfTest, SinNadieQueFirmeNoHayCertificado)
{
    Local({QStringLiteral("UPDATE Institucion SET Parroco = '', EncargadoArchivo = NULL WHERE IDInstitucion = 3")});
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    qint32 id = 70;
    ImpresionesPartidas(ContextoReal()).ImprimirCertificadoPartida(id, QStringLiteral("PartidasBautismo"));
    EXPECT_TRUE(m_real.UltimoPdf().isEmpty());
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("no tiene párroco ni encargado del archivo")));
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(DocumentosPdfTest, IndiceDelLibroPorApellidos)
{
    qint32 id = 5;
    ImpresionesPartidas(ContextoReal()).ImprimirIndiceLibro(id, QStringLiteral("LibrosBautismo"));
    const QString texto = Texto();
    EXPECT_TRUE(texto.contains(QStringLiteral("Índice del libro de bautismo Cuarto"))) << texto.toStdString();
    const qsizetype abad = texto.indexOf(QStringLiteral("Abad Royo, Mateo"));
    const qsizetype iniguez = texto.indexOf(QStringLiteral("Íñiguez Muñoz, Lucía"));
    EXPECT_GE(abad, 0) << texto.toStdString();
    EXPECT_GT(iniguez, abad);
    EXPECT_TRUE(texto.contains(QStringLiteral("20/04/2024 12 34"))) << texto.toStdString();
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(DocumentosPdfTest, SolicitudDeBautismoSinLibro)
{
    Local({
        QStringLiteral("INSERT INTO Institucion (IDInstitucion, Nombre, InstitucionTipo, InstitucionNombre, "
                       "CodMunicipio, Diocesis, Parroco) VALUES (4, 'San Juan', 'Parroquia', 'San Juan Bautista', "
                       "10, 'Tarazona', 'D. Luis Gracia')"),
        QStringLiteral("INSERT INTO Bautismo_Padres (IDPadres, Nombre, PrimerApellido) VALUES (2, 'Ramón', 'Gil')"),
        QStringLiteral("INSERT INTO Bautismo_Madres (IDMadres, Nombre, PrimerApellido) VALUES (2, 'Inés', 'Royo')"),
        QStringLiteral("INSERT INTO Bautismo (IDBautismo, CodLibro, InstitucionSolicitud, FechaBautismo, CodPadres, "
                       "CodMadres) VALUES (72, 0, 4, '19990101', 2, 2)"),
        QStringLiteral("INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido, SegundoApellido) "
                       "VALUES (72, 'Pablo', 'Gil', 'Royo')"),
    });
    qint32 id = 72;
    ImpresionesPartidas(ContextoReal()).ImprimirSolicitudPartidaDatos(id, QStringLiteral("SolicitudesBautismo"));
    const QString texto = Texto();
    for (const char* esperado :
         {"SOLICITUD DE PARTIDA DE BAUTISMO", "Parroquia San Juan Bautista", "Pablo Gil Royo",
          "1 de enero de 1999", "hija de Ramón Gil y Inés Royo", "D. Luis Gracia", "Párroco"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
    EXPECT_EQ(FilasDocumentos(), 0);
}

class ConfirmacionPdfTest : public DocumentosPdfTest {
protected:
    void SetUp() override
    {
        DocumentosPdfTest::SetUp();
        Local({
            QStringLiteral("INSERT INTO Libro_Confirmacion (IDLibroConfirmacion, CodInstitucion, Nombre, Nuevo) "
                           "VALUES (6, 3, 'Tercero', True)"),
            QStringLiteral("INSERT INTO Confirmacion (IDConfirmacion, CodLibro, InstitucionSolicitud, Folio, Numero, "
                           "Nombre, PrimerApellido, SegundoApellido, NombrePadre, NombreMadre) "
                           "VALUES (80, 6, 0, 7, '21', 'Marta', 'Lasierra', 'Bueno', 'José Lasierra', 'Rosa Bueno')"),
            QStringLiteral("INSERT INTO Confirmacion_Datos (CodConfirmacion, FechaConfirmacion, Ministro, Padrino) "
                           "VALUES (80, '20250518', 'Mons. Julián Ruiz', 'Pedro Bueno')"),
            QStringLiteral("INSERT INTO Confirmacion_Bautismo (CodConfirmacion, Parroquia, Libro, Folio, Numero, "
                           "FechaBautismo) VALUES (80, 'San Pedro de Sabiñánigo', '12', '40', '118', '20110302')"),
        });
    }
};

TEST_F(ConfirmacionPdfTest, NotificacionConSusDatosYSuBautismo)
{
    qint32 id = 80;
    ImpresionesPartidas(ContextoReal()).ImprimirNotificacion(id, QStringLiteral("PartidasConfirmacion"));
    const QString texto = Texto();
    for (const char* esperado :
         {"NOTIFICACIÓN DE CONFIRMACIÓN", "Libro Tercero · Folio 7 · Número 21", "Marta Lasierra Bueno",
          "Fecha de la confirmación: 18 de mayo de 2025", "Ministro: Mons. Julián Ruiz", "Padrino: Pedro Bueno",
          "Bautizado/a en la parroquia de San Pedro de Sabiñánigo",
          "Partida de bautismo: libro 12, folio 40, número 118", "Fecha del bautismo: 2 de marzo de 2011",
          "D. Tomás Ruiz Pardo"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(ConfirmacionPdfTest, CertificadoConLaFechaYElBautismo)
{
    qint32 id = 80;
    ImpresionesPartidas(ContextoReal()).ImprimirCertificadoPartida(id, QStringLiteral("PartidasConfirmacion"));
    const QString texto = Texto();
    for (const char* esperado :
         {"CERTIFICADO DE CONFIRMACIÓN", "Marta Lasierra Bueno", "Fecha de la confirmación: 18 de mayo de 2025",
          "Ministro: Mons. Julián Ruiz", "Bautizado/a en la parroquia de San Pedro de Sabiñánigo"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(DocumentosPdfTest, CertificadoDeMatrimonioConLosEsposos)
{
    Local({
        QStringLiteral("INSERT INTO Libro_Matrimonio (IDLibroMatrimonio, CodInstitucion, Nombre, Nuevo) "
                       "VALUES (6, 3, 'Segundo', True)"),
        QStringLiteral("INSERT INTO Matrimonio_Novios (IDNovios, Nombre, PrimerApellido, SegundoApellido, "
                       "Nacionalidad) VALUES (1, 'Íñigo', 'Lahoz', 'Gil', 'española')"),
        QStringLiteral("INSERT INTO Matrimonio_Novias (IDNovias, Nombre, PrimerApellido, SegundoApellido, "
                       "Nacionalidad) VALUES (1, 'Nuria', 'Peña', 'Sanz', 'española')"),
        QStringLiteral("INSERT INTO Matrimonio (IDMatrimonio, CodLibro, Folio, Numero, CodNovios, CodNovias) "
                       "VALUES (80, 6, 4, '9', 1, 1)"),
        QStringLiteral("INSERT INTO Matrimonio_Compromiso (CodMatrimonio, FechaMatrimonio, Celebrante, Padrino, "
                       "Madrina) VALUES (80, '20250607', 'D. Tomás Ruiz Pardo', 'Luis Lahoz', 'Rosa Sanz')"),
        QStringLiteral("INSERT INTO Matrimonio_Expediente (CodMatrimonio, NombreTestigo1, PrimerApellidoTestigo1, "
                       "SegundoApellidoTestigo1) VALUES (80, 'Marta', 'Ibáñez', 'Royo')"),
    });
    qint32 id = 80;
    ImpresionesPartidas(ContextoReal()).ImprimirCertificadoPartida(id, QStringLiteral("PartidasMatrimonio"));
    const QString texto = Texto();
    for (const char* esperado : {"CERTIFICADO DE MATRIMONIO", "Libro Segundo · Folio 4 · Número 9",
                                 "7 de junio de 2025", "Esposo: Íñigo Lahoz Gil", "Esposa: Nuria Peña Sanz",
                                 "Testigo: Marta Ibáñez Royo", "D. Tomás Ruiz Pardo"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(DocumentosPdfTest, PaginaDeRecibosConElImporteEnLetras)
{
    Local({
        QStringLiteral("INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, SegundoApellido, Direccion, "
                       "CodMunicipio, CPostal, DNI) VALUES (1, 'Begoña', 'Núñez', 'Ibáñez', 'Calle Real 2', 10, "
                       "'50300', '17000001A')"),
        QStringLiteral("INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, Descripcion) "
                       "VALUES (1, 1, 3, 'Obras del templo')"),
        QStringLiteral("INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, ImporteEur, PagoBanco) "
                       "VALUES (100, 1, 'R-0100', '20240315', 1021.5, False)"),
    });
    cInformes(ContextoReal()).ImprimirRecibos({100});
    const QString texto = Texto();
    for (const char* esperado : {"RECIBO Nº R-0100", "Núñez Ibáñez, Begoña", "Obras del templo", "1.021,50",
                                 "Mil veintiún euros con cincuenta centimos de euro.", "15/03/2024"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
    EXPECT_EQ(Filas(QStringLiteral("Recibos")), 0);
}

// Answers the one dialog the stand-in shows with `responder`, for the life
// of the object.
class RespuestaDialogo {
public:
    explicit RespuestaDialogo(std::function<int(QDialog&)> responder)
        : m_anterior(widgets::DialogoRegistroEjecutor::Establecer([this, responder](QDialog& d) {
            ++m_abiertos;
            return responder(d);
        }))
    {
    }
    ~RespuestaDialogo()
    {
        widgets::DialogoRegistroEjecutor::Establecer(m_anterior);
        EXPECT_EQ(m_abiertos, 1);
    }

private:
    widgets::DialogoRegistroEjecutor::Funcion m_anterior;
    int m_abiertos = 0;
};

TEST_F(DocumentosPdfTest, NotificacionSinLibroConLoQueSeEscribio)
{
    RespuestaDialogo respuesta([](QDialog& d) {
        auto& registro = dynamic_cast<widgets::DialogoRegistro&>(d);
        registro.show();
        registro.Rellenar(QStringLiteral("InstitucionSolicitud"), QStringLiteral("Santa María"));
        registro.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Marta"));
        registro.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Lasierra"));
        registro.Rellenar(QStringLiteral("SegundoApellido"), QStringLiteral("Bueno"));
        registro.Rellenar(QStringLiteral("NombrePadre"), QStringLiteral("José Lasierra"));
        registro.Rellenar(QStringLiteral("NombreMadre"), QStringLiteral("Rosa Bueno"));
        registro.Rellenar(QStringLiteral("FechaConfirmacion"), QStringLiteral("18/05/2025"));
        registro.Rellenar(QStringLiteral("Ministro"), QStringLiteral("Mons. Julián Ruiz"));
        registro.Rellenar(QStringLiteral("Parroquia"), QStringLiteral("San Pedro de Sabiñánigo"));
        registro.Rellenar(QStringLiteral("Libro"), QStringLiteral("12"));
        registro.Rellenar(QStringLiteral("Folio"), QStringLiteral("40"));
        registro.Rellenar(QStringLiteral("Numero"), QStringLiteral("118"));
        return registro.Aceptar() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    cInformes(ContextoReal()).ImprimirPartidaSinLibro();
    const QString texto = Texto();
    for (const char* esperado :
         {"NOTIFICACIÓN DE CONFIRMACIÓN", "Parroquia Santa María la Mayor", "Marta Lasierra Bueno",
          "hija de José Lasierra y Rosa Bueno", "Fecha de la confirmación: 18 de mayo de 2025",
          "Ministro: Mons. Julián Ruiz", "Bautizado/a en la parroquia de San Pedro de Sabiñánigo",
          "Partida de bautismo: libro 12, folio 40, número 118", "D. Tomás Ruiz Pardo", "Párroco"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
    // No book: no book line, and no sponsor or baptism date were given.
    for (const char* ausente : {"Libro ·", "Padrino:", "Fecha del bautismo"})
        EXPECT_FALSE(texto.contains(QString::fromUtf8(ausente))) << ausente;
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(DocumentosPdfTest, ExpedienteFormato3ConLasPartesElegidas)
{
    Local({
        QStringLiteral("INSERT INTO Matrimonio_Novios (IDNovios, Nombre, PrimerApellido, SegundoApellido) "
                       "VALUES (1, 'Íñigo', 'Lahoz', 'Gil')"),
        QStringLiteral("INSERT INTO Matrimonio_Novias (IDNovias, Nombre, PrimerApellido, SegundoApellido) "
                       "VALUES (1, 'Nuria', 'Peña', 'Sanz')"),
        QStringLiteral("INSERT INTO Matrimonio (IDMatrimonio, CodLibro, InstitucionSolicitud, CodNovios, CodNovias) "
                       "VALUES (81, 0, 3, 1, 1)"),
    });
    RespuestaDialogo respuesta([](QDialog& d) {
        d.findChild<QCheckBox*>(QStringLiteral("chkEnviaCuria"))->setChecked(true);
        d.findChild<QPushButton*>(QStringLiteral("cmdAceptar"))->click();
        return d.result();
    });
    expedientes::ImprimirExpediente(ContextoReal(), expedientes::Documento::Formato3, QStringLiteral("81"),
                                    QString());
    const QString texto = Texto();
    for (const char* esperado : {"EXPEDIENTE MATRIMONIAL", "Parroquia Santa María la Mayor", "Esposo: Íñigo Lahoz Gil",
                                 "Esposa: Nuria Peña Sanz", "Se envía a la curia."})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
    // A request has no book yet, so no book line.
    for (const char* ausente : {"Se tramita en la parroquia", "antes de la celebración", "Libro ·"})
        EXPECT_FALSE(texto.contains(QString::fromUtf8(ausente))) << ausente;
    EXPECT_EQ(FilasDocumentos(), 0);
    EXPECT_TRUE(m_real.Formulas(0).isEmpty());
}

} // namespace
