#include "FixtureImpresion.h"

#include "addin_doubles/RegistroMock.h"
#include "platform/pvapi/cCPassword.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/vb/VbError.h"
#include "printing/ImpresionesPartidas.h"
#include "printing/PrepararPagina.h"
#include "printing/SecuenciaDocumento.h"

using ::testing::_;
using ::testing::DoAll;
using ::testing::Eq;
using ::testing::Invoke;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::SetArgReferee;
using dobles::MockGestPar;
using PVAPI::cCRegistry;

namespace {

const QString kErrorMotor =
    QStringLiteral("Se ha producido un error al generar el informe.\n\nError: 20502\nDescripción: No existe");

class ImpresionesPartidasTest : public FixtureImpresion {
protected:
    void SetUp() override
    {
        FixtureImpresion::SetUp();
        for (const char* libro : {"Bautismo", "Confirmacion", "Matrimonio", "Defuncion"}) {
            const QString l = QString::fromLatin1(libro);
            // Book 57 is new, book 58 came from the older program.
            Local({QStringLiteral("INSERT INTO Libro_%1 (IDLibro%1, Nombre, Nuevo) VALUES (57, 'Primero', True)").arg(l),
                   QStringLiteral("INSERT INTO Libro_%1 (IDLibro%1, Nombre, Nuevo) VALUES (58, 'Antiguo', False)").arg(l)});
        }
        Local({QStringLiteral("INSERT INTO Bautismo (IDBautismo, CodLibro) VALUES (7, 58)"),
               QStringLiteral("INSERT INTO Confirmacion (IDConfirmacion, CodLibro) VALUES (7, 57)"),
               QStringLiteral("INSERT INTO Matrimonio (IDMatrimonio, CodLibro) VALUES (7, 58)"),
               QStringLiteral("INSERT INTO Defuncion (IDDifunto, CodLibro) VALUES (7, 57)")});
    }

    // The add-in's fill: `filas` rows in `tabla`, noting the call.
    auto Llenar(const QString& tabla, int filas = 2)
    {
        return [this, tabla, filas](auto&&...) {
            m_llenadas << tabla;
            m_habilitadaAlLlenar << m_habilitada;
            for (int i = 0; i < filas; ++i)
                Informes({QStringLiteral("INSERT INTO %1 (Orden) VALUES (%2)").arg(tabla).arg(i + 1)});
            if (tabla == QStringLiteral("Documentos_Matrimonio")) {
                for (const char* t : {"Novios", "Novias", "Otros"})
                    Informes({QStringLiteral("INSERT INTO Documentos_Matrimonio_%1 (CodDocumentos_Matrimonio) "
                                             "VALUES (1)")
                                  .arg(QString::fromLatin1(t))});
            }
        };
    }

    ImpresionesPartidas Impresiones() { return ImpresionesPartidas(Contexto()); }

    QStringList m_llenadas;
    QList<bool> m_habilitadaAlLlenar;
    qint32 m_id = 57;
};

struct CasoLibro {
    const char* descripcion;
    const char* tabla;
    qint32 libro;
    const char* plantilla;
    const char* titulo;
};

TEST_F(ImpresionesPartidasTest, LibroSiembraMargenesEligePlantillaYVaciaSusTablas)
{
    ON_CALL(m_gestPar, InformeLibroBautismo).WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Bautismo"))));
    ON_CALL(m_gestPar, InformeLibroConfirmacion)
        .WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Confirmacion"))));
    ON_CALL(m_gestPar, InformeLibroMatrimonio).WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Matrimonio"))));
    ON_CALL(m_gestPar, InformeLibroDefuncion).WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Defuncion"))));
    const CasoLibro casos[] = {
        {"LibrosBautismo", "Documentos_Bautismo", 57, "infGP_bautismo.rpt", "Libro de bautismo"},
        {"LibrosBautismo", "Documentos_Bautismo", 58, "infGP_bautismoBr.rpt", "Libro de bautismo"},
        {"LibrosConfirmacion", "Documentos_Confirmacion", 58, "infGP_ConfirmacionBr.rpt", "Libro de confirmación"},
        {"LibrosMatrimonio", "Documentos_Matrimonio", 57, "infGP_matrimonio.rpt", "Libro de matrimonio"},
        {"LibrosDefuncion", "Documentos_Defuncion", 58, "infGP_DefuncionBr.rpt", "Libro de defunción"},
    };
    for (const CasoLibro& c : casos) {
        SCOPED_TRACE(c.descripcion);
        qint32 id = c.libro;
        Impresiones().ImprimirLibro(id, QString::fromLatin1(c.descripcion));
        const dobles::ImpresionGrabada& p = m_control.ultima();
        EXPECT_EQ(p.plantilla, m_carpeta->path() + QLatin1Char('/') + QString::fromLatin1(c.plantilla));
        EXPECT_EQ(p.titulo, QString::fromUtf8(c.titulo));
        EXPECT_EQ(p.datos, m_carpeta->file(QStringLiteral("Informes.mdb")));
        EXPECT_EQ(p.clave, QLatin1Char('\n') + PVAPI::cCPassword::PASSWORD_INFORMES());
        EXPECT_EQ(p.ajuste24, 0);
        EXPECT_EQ(p.ajuste67, 2);
        // No stored margins: 20 and 25 mm are stored and printed.
        EXPECT_EQ(p.margenSuperior, 1134);
        EXPECT_EQ(p.margenIzquierdo, 1418);
        EXPECT_EQ(p.filas(QString::fromLatin1(c.tabla)).size(), 2);
        EXPECT_EQ(FilasDocumentos(), 0);
    }
    EXPECT_EQ(m_control.impresiones().size(), 5);
    // The marriage book's spouses and others went too.
    EXPECT_EQ(m_control.impresiones()[3].filas(QStringLiteral("Documentos_Matrimonio_Otros")).size(), 1);
    EXPECT_EQ(LeerMargen(cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), QStringLiteral("20"));
    EXPECT_EQ(LeerMargen(cCRegistry::DOCUMENTOS_MARGENIZQUIERDO()), QStringLiteral("25"));
    // Disabled while the add-in fills, enabled at every print and after.
    EXPECT_EQ(m_habilitadaAlLlenar, QList<bool>(5, false));
    EXPECT_EQ(m_habilitadaAlImprimir, QList<bool>(5, true));
    EXPECT_TRUE(m_habilitada);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(ImpresionesPartidasTest, IndiceConSusMargenesPredeterminados)
{
    GuardarMargen(cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(), QStringLiteral("12,5"));
    EXPECT_CALL(m_gestPar, InformeIndiceLibroBautismo(_, _, Eq(57)))
        .WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Bautismo"))));
    Impresiones().ImprimirIndiceLibro(m_id, QStringLiteral("LibrosBautismo"));
    const dobles::ImpresionGrabada& p = m_control.ultima();
    EXPECT_TRUE(p.plantilla.endsWith(QStringLiteral("/infGP_IndiceLibroBautismo.rpt")));
    EXPECT_EQ(p.titulo, QStringLiteral("Índice de libro de bautismo"));
    EXPECT_EQ(p.margenSuperior, 709);
    EXPECT_EQ(p.margenIzquierdo, 0);
    EXPECT_EQ(FilasDocumentos(), 0);
    // The index seeds nothing.
    EXPECT_EQ(LeerMargen(cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), QString());
}

TEST_F(ImpresionesPartidasTest, OtraClaseDeNodoNoHaceNadaPeroLosLibrosSiembranMargenes)
{
    Impresiones().ImprimirLibro(m_id, QStringLiteral("PartidasBautismo"));
    Impresiones().ImprimirIndiceLibro(m_id, QStringLiteral("librosbautismo"));
    Impresiones().ImprimirPartida(m_id, QStringLiteral("LibrosBautismo"));
    Impresiones().ImprimirCertificadoPartida(m_id, QStringLiteral("LibrosBautismo"));
    Impresiones().ImprimirVolante(m_id, QStringLiteral("PartidasConfirmacion"));
    Impresiones().ImprimirNotificacion(m_id, QStringLiteral("PartidasBautismo"));
    Impresiones().ImprimirSolicitudPartidaDatos(m_id, QStringLiteral("SolicitudesMatrimonio"));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_TRUE(m_control.llamadas().isEmpty());
    EXPECT_TRUE(m_habilitar.isEmpty());
    EXPECT_EQ(LeerMargen(cCRegistry::DOCUMENTOS_MARGENSUPERIOR()), QStringLiteral("20"));
    EXPECT_EQ(LeerMargen(cCRegistry::DOCUMENTOS_MARGENIZQUIERDO()), QStringLiteral("25"));
}

TEST_F(ImpresionesPartidasTest, LibroSinEntradasNoImprimeYDejaLaVentanaHabilitada)
{
    EXPECT_CALL(m_gestPar, InformeLibroMatrimonio).WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Otros"), 0)));
    // The add-in left spouse rows but no marriage: they go all the same.
    ON_CALL(m_gestPar, InformeLibroMatrimonio).WillByDefault(Return());
    Informes({QStringLiteral("INSERT INTO Documentos_Matrimonio_Novios (CodDocumentos_Matrimonio) VALUES (1)")});
    Impresiones().ImprimirLibro(m_id, QStringLiteral("LibrosMatrimonio"));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_TRUE(m_habilitada);
    EXPECT_EQ(FilasDocumentos(), 0);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(ImpresionesPartidasTest, ErrorDelMotorSeInformaUnaVezYSeLimpia)
{
    ON_CALL(m_gestPar, InformePartidaDefuncion).WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Defuncion"))));
    ON_CALL(m_gestPar, InformeLibroDefuncion).WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Defuncion"))));
    for (int libro = 0; libro < 2; ++libro) {
        m_control.fallarProximaImpresion(20502, QStringLiteral("No existe"));
        testsupport::scriptedUi().queueAnswer(ui::vbOK);
        qint32 id = libro ? 57 : 7;
        if (libro)
            Impresiones().ImprimirLibro(id, QStringLiteral("LibrosDefuncion"));
        else
            Impresiones().ImprimirPartida(id, QStringLiteral("PartidasDefuncion"));
        EXPECT_EQ(m_control.LastErrorNumber(), 0);
        EXPECT_EQ(m_control.LastErrorString(), QString());
        EXPECT_EQ(FilasDocumentos(), 0);
    }
    EXPECT_EQ(Mensajes(), QStringList({kErrorMotor, kErrorMotor}));
}

TEST_F(ImpresionesPartidasTest, UnFalloDelComplementoVaciaLasTablasYHabilitaLaVentana)
{
    EXPECT_CALL(m_gestPar, InformePartidaMatrimonio).WillOnce([this](auto&&...) {
        Llenar(QStringLiteral("Documentos_Matrimonio"))();
        throw vb::VbError(3022, QStringLiteral("Valor duplicado"));
    });
    EXPECT_THROW(Impresiones().ImprimirPartida(m_id, QStringLiteral("PartidasMatrimonio")), vb::VbError);
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_EQ(m_habilitar, QList<bool>({false, true}));
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(ImpresionesPartidasTest, PartidaConLaPlantillaDeSuLibroYMargenesDeDocumento)
{
    GuardarMargen(cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("10"));
    GuardarMargen(cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(), QStringLiteral("0"));
    ON_CALL(m_gestPar, InformePartidaBautismo).WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Bautismo"), 1)));
    ON_CALL(m_gestPar, InformePartidaConfirmacion)
        .WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Confirmacion"), 1)));
    qint32 id = 7;
    Impresiones().ImprimirPartida(id, QStringLiteral("PartidasBautismo"));
    EXPECT_TRUE(m_control.ultima().plantilla.endsWith(QStringLiteral("/infGP_BautismoBr.rpt")));
    EXPECT_EQ(m_control.ultima().titulo, QStringLiteral("Partida de bautismo"));
    EXPECT_EQ(m_control.ultima().margenSuperior, 567);
    EXPECT_EQ(m_control.ultima().margenIzquierdo, 0);
    Impresiones().ImprimirPartida(id, QStringLiteral("PartidasConfirmacion"));
    EXPECT_TRUE(m_control.ultima().plantilla.endsWith(QStringLiteral("/infGP_Confirmacion.rpt")));
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(ImpresionesPartidasTest, PartidaDeUnLibroQueYaNoExisteSeInformaYNoDejaDatos)
{
    ON_CALL(m_gestPar, InformePartidaBautismo).WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Bautismo"), 1)));
    qint32 id = 999;
    EXPECT_THROW(Impresiones().ImprimirPartida(id, QStringLiteral("PartidasBautismo")), vb::VbError);
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_TRUE(m_habilitada);
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(ImpresionesPartidasTest, MargenQueNoEsNumeroSeAvisaYSeImprimeConCero)
{
    GuardarMargen(cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(), QStringLiteral("abc"));
    GuardarMargen(cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ(), QStringLiteral("7,5"));
    m_control.setMarginTop(999);
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    ON_CALL(m_gestPar, InformeComunicacionMatrimonio)
        .WillByDefault(Invoke(Llenar(QStringLiteral("Documentos_Matrimonio"), 1)));
    Impresiones().ImprimirComunicacionMatrimonio(m_id);
    EXPECT_EQ(m_control.ultima().margenSuperior, 0);
    EXPECT_EQ(m_control.ultima().margenIzquierdo, 425);
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("«abc»")));
}

struct CasoSencillo {
    int metodo; // 0 volante, 1 notificación, 2 solicitud, 3 comunicación
    const char* descripcion;
    const char* tabla;
    const char* plantilla;
    const char* titulo;
};

TEST_F(ImpresionesPartidasTest, VolantesNotificacionesSolicitudYComunicacion)
{
    EXPECT_CALL(m_gestPar, InformeVolanteBautismo(_, _, Eq(57)))
        .WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Bautismo"))));
    EXPECT_CALL(m_gestPar, InformeVolanteMatrimonio).WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Matrimonio"))));
    EXPECT_CALL(m_gestPar, InformeNotificacionConfirmacion)
        .WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Confirmacion"))));
    EXPECT_CALL(m_gestPar, InformeNotificacionMatrimonio)
        .WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Matrimonio"))));
    EXPECT_CALL(m_gestPar, InformeSolicitudPartidaBautismoDatos)
        .WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Bautismo"))));
    EXPECT_CALL(m_gestPar, InformeComunicacionMatrimonio)
        .WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Matrimonio"))));
    const CasoSencillo casos[] = {
        {0, "PartidasBautismo", "Documentos_Bautismo", "infGP_VolanteBautismo.rpt", "Volante de bautismo"},
        {0, "PartidasMatrimonio", "Documentos_Matrimonio", "infGP_VolanteMatr.rpt", "Volante de matrimonio"},
        {1, "PartidasConfirmacion", "Documentos_Confirmacion", "infGP_NotificacionConfirmacion.rpt",
         "Notificación de confirmación"},
        {1, "PartidasMatrimonio", "Documentos_Matrimonio", "infGP_NotificacionMatr.rpt",
         "Notificación de matrimonio canónico para el registro"},
        {2, "SolicitudesBautismo", "Documentos_Bautismo", "infGP_SolicitudBautismoDatos.rpt",
         "Solicitud de partida de bautismo"},
        {3, "LibrosDefuncion", "Documentos_Matrimonio", "infGP_ComunicacionMatr.rpt",
         "Comunicación de matrimonio a la parroquia de bautismo"},
    };
    for (const CasoSencillo& c : casos) {
        SCOPED_TRACE(c.plantilla);
        const QString d = QString::fromLatin1(c.descripcion);
        ImpresionesPartidas i = Impresiones();
        switch (c.metodo) {
        case 0: i.ImprimirVolante(m_id, d); break;
        case 1: i.ImprimirNotificacion(m_id, d); break;
        case 2: i.ImprimirSolicitudPartidaDatos(m_id, d); break;
        default: i.ImprimirComunicacionMatrimonio(m_id); break;
        }
        const dobles::ImpresionGrabada& p = m_control.ultima();
        EXPECT_TRUE(p.plantilla.endsWith(QLatin1Char('/') + QString::fromLatin1(c.plantilla)));
        EXPECT_EQ(p.titulo, QString::fromUtf8(c.titulo));
        EXPECT_EQ(p.filas(QString::fromLatin1(c.tabla)).size(), 2);
        EXPECT_EQ(FilasDocumentos(), 0);
    }
    EXPECT_EQ(m_control.impresiones().size(), 6);
    EXPECT_EQ(m_habilitadaAlLlenar, QList<bool>(6, false));
    EXPECT_TRUE(m_habilitada);
}

TEST_F(ImpresionesPartidasTest, NotificacionDeMatrimonioSinFilaNoImprimeYNoDejaDatos)
{
    EXPECT_CALL(m_gestPar, InformeNotificacionMatrimonio).WillOnce([this](auto&&...) {
        Informes({QStringLiteral("INSERT INTO Documentos_Matrimonio_Novios (CodDocumentos_Matrimonio) VALUES (1)")});
    });
    Impresiones().ImprimirNotificacion(m_id, QStringLiteral("PartidasMatrimonio"));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_EQ(m_habilitar, QList<bool>({false, true}));
    EXPECT_EQ(FilasDocumentos(), 0);
}

class CertificadosTest : public ImpresionesPartidasTest {
protected:
    // The add-in object the certificate makes for the signer question.
    dobles::RegistroMock<NiceMock<MockGestPar>> m_encargado{[this](NiceMock<MockGestPar>& m) {
        ON_CALL(m, selecencargado)
            .WillByDefault([this](db::Connection&, const QString& sacramento, qint32& id, QString& cargo) {
                m_preguntas << QStringLiteral("%1 %2").arg(sacramento).arg(id);
                cargo = m_cargo;
                return m_firmante;
            });
    }};
    QStringList m_preguntas;
    QString m_firmante = QStringLiteral("D. Tomás Ruiz Pardo");
    QString m_cargo = QStringLiteral("Párroco");
};

TEST_F(CertificadosTest, ElFirmanteYSuCargoLleganAlComplemento)
{
    EXPECT_CALL(m_gestPar, InformeCertificadoPartidaDefuncion(_, _, Eq(57), Eq(m_firmante), Eq(m_cargo)))
        .WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Defuncion"))));
    EXPECT_CALL(m_gestPar, InformeCertificadoLiteralPartidaBautismo(_, _, Eq(57), Eq(m_firmante), Eq(m_cargo)))
        .WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Bautismo"))));
    Impresiones().ImprimirCertificadoPartida(m_id, QStringLiteral("PartidasDefuncion"));
    EXPECT_TRUE(m_control.ultima().plantilla.endsWith(QStringLiteral("/infGP_CertificadoDefuncion.rpt")));
    EXPECT_EQ(m_control.ultima().titulo, QStringLiteral("Certificado de partida de defunción"));
    Impresiones().ImprimirCertificadoLiteralPartida(m_id, QStringLiteral("PartidasBautismo"));
    EXPECT_TRUE(m_control.ultima().plantilla.endsWith(QStringLiteral("/infGP_CertificadoLiteralBautismo.rpt")));
    EXPECT_EQ(m_control.ultima().titulo, QStringLiteral("Certificado literal de partida de bautismo"));
    EXPECT_EQ(m_control.ultima().margenSuperior, 0);
    EXPECT_EQ(m_preguntas, QStringList({QStringLiteral("Defuncion 57"), QStringLiteral("Bautismo 57")}));
    EXPECT_EQ(FilasDocumentos(), 0);
    EXPECT_EQ(m_habilitadaAlLlenar, QList<bool>({false, false}));
}

TEST_F(CertificadosTest, FirmanteCanceladoNoTocaNada)
{
    m_firmante.clear();
    EXPECT_CALL(m_gestPar, InformeCertificadoPartidaBautismo).Times(0);
    Informes({QStringLiteral("INSERT INTO Documentos_Bautismo (Orden) VALUES (1)")});
    Impresiones().ImprimirCertificadoPartida(m_id, QStringLiteral("PartidasBautismo"));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_TRUE(m_habilitar.isEmpty());
    // Another print's rows are none of its business.
    EXPECT_EQ(Filas(QStringLiteral("Documentos_Bautismo")), 1);
}

TEST_F(CertificadosTest, MatrimonioSinFirmanteYConGuarda)
{
    // Ordinary: the add-in works with the window enabled; no row, no print.
    EXPECT_CALL(m_gestPar, InformeCertificadoPartidaMatrimonio).WillOnce([this](auto&&...) {
        m_habilitadaAlLlenar << m_habilitada;
        Informes({QStringLiteral("INSERT INTO Documentos_Matrimonio_Otros (CodDocumentos_Matrimonio) VALUES (1)")});
    });
    Impresiones().ImprimirCertificadoPartida(m_id, QStringLiteral("PartidasMatrimonio"));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_TRUE(m_habilitar.isEmpty());
    EXPECT_EQ(FilasDocumentos(), 0);

    // Literal: disabled while the add-in works.
    EXPECT_CALL(m_gestPar, InformeCertificadoLiteralPartidaMatrimonio)
        .WillOnce(Invoke(Llenar(QStringLiteral("Documentos_Matrimonio"), 1)));
    Impresiones().ImprimirCertificadoLiteralPartida(m_id, QStringLiteral("PartidasMatrimonio"));
    EXPECT_TRUE(m_control.ultima().plantilla.endsWith(QStringLiteral("/infGP_CertificadoLiteralMatrimonio.rpt")));
    EXPECT_EQ(m_habilitadaAlLlenar, QList<bool>({true, false}));
    EXPECT_TRUE(m_preguntas.isEmpty());
    EXPECT_EQ(FilasDocumentos(), 0);
    EXPECT_TRUE(m_habilitada);
}

TEST_F(ImpresionesPartidasTest, NoEmpiezaUnaImpresionMientrasOtraNoHaTerminado)
{
    const impresion::ImpresionEnCurso otra(QStringLiteral("Norvia Parvanta 2000"));
    ASSERT_TRUE(otra.Libre());
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    EXPECT_CALL(m_gestPar, InformeComunicacionMatrimonio).Times(0);
    Impresiones().ImprimirComunicacionMatrimonio(m_id);
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].startsWith(QStringLiteral("Se está imprimiendo otro documento")));
}

} // namespace

namespace {

TEST_F(ImpresionesPartidasTest, PrepararPaginaDaAlDialogoSusClavesLimitesYValores)
{
    QList<impresion::ParametrosMargenes> mostrados;
    impresion::EstablecerDialogoMargenes([&](const impresion::ParametrosMargenes& p) { mostrados << p; });
    impresion::PrepararPagina(Contexto());
    impresion::EstablecerDialogoMargenes({});
    ASSERT_EQ(mostrados.size(), 1);
    const impresion::ParametrosMargenes& p = mostrados[0];
    EXPECT_EQ(p.mstrREG_AppName, QStringLiteral("Norvia Parvanta 2000"));
    EXPECT_EQ(p.mstrREG_Section, QStringLiteral("Administrador\\3082\\Documentos"));
    EXPECT_EQ(p.mstrREG_Key_MargenSup, cCRegistry::DOCUMENTOS_MARGENSUPERIOR());
    EXPECT_EQ(p.mstrREG_Key_MargenIzq, cCRegistry::DOCUMENTOS_MARGENIZQUIERDO());
    EXPECT_EQ(p.mintPREDET_MargenSup, 20);
    EXPECT_EQ(p.mintPREDET_MargenIzq, 25);
    EXPECT_LT(p.mintMIN_MargenSup, p.mintMAX_MargenSup);
}

} // namespace
