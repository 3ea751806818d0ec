#include "FixtureImpresion.h"

#include "addin_doubles/RegistroMock.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/vb/VbError.h"
#include "printing/cInformes.h"

using ::testing::_;
using ::testing::NiceMock;
using dobles::MockGestPar;
using PVAPI::cCRegistry;

namespace {

const QString kSinRegistros = QStringLiteral("¡No se ha encontrado ningún registro!");

class RecibosTest : public FixtureImpresion {
protected:
    void SetUp() override
    {
        FixtureImpresion::SetUp();
        Local({
            QStringLiteral("INSERT INTO Provincia (IDProvincia, Nombre) VALUES (1, 'Zaragoza')"),
            QStringLiteral("INSERT INTO Municipio (IDMunicipio, Nombre, CodProvincia) VALUES (10, 'Calatayud', 1)"),
            QStringLiteral("INSERT INTO Institucion (IDInstitucion, Nombre, InstitucionTipo, InstitucionNombre, "
                           "Domicilio, CP, CodMunicipio, CIF) VALUES (3, 'San Juan', 'Parroquia', 'San Juan', "
                           "'Plaza Mayor 1', '50300', 10, 'R5000001A')"),
            // Zoe has a town; "O'Brien" has none and a quote in his name.
            QStringLiteral("INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, SegundoApellido, Direccion, "
                           "CodMunicipio, CPostal, DNI) VALUES (1, 'Zoe', 'Abad', 'Gil', 'Calle Real 2', 10, "
                           "'50300', '1A')"),
            QStringLiteral("INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, SegundoApellido, Direccion, "
                           "CodMunicipio, CPostal, DNI) VALUES (2, 'Sean \"Jr\"', 'O''Brien', '', 'Sin calle', 0, "
                           "'', '2B')"),
            QStringLiteral("INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, Descripcion) "
                           "VALUES (1, 1, 3, 'Obras del templo')"),
            QStringLiteral("INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, Descripcion) "
                           "VALUES (2, 2, 3, 'Cáritas')"),
            QStringLiteral("INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, Importe, ImporteEur, "
                           "PagoBanco) VALUES (100, 1, 'R-0100', '20240315', 4243, 25.5, False)"),
            QStringLiteral("INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, Importe, ImporteEur, "
                           "PagoBanco) VALUES (101, 2, 'R-0101', '20240316', 1, 1, False)"),
            QStringLiteral("INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, Importe, ImporteEur, "
                           "PagoBanco) VALUES (102, 1, 'R-0102', '20240317', 500, 3, True)"),
        });
    }

    void Imprimir(const QList<qint32>& ids) { cInformes(Contexto()).ImprimirRecibos(ids); }
};

TEST_F(RecibosTest, EnEurosPorApellidosConElImporteEnLetras)
{
    GuardarMargen(cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ(), QStringLiteral("10"));
    m_control.setFormulas(1, QStringLiteral("Otra=1"));
    m_control.setFormulas(2, QStringLiteral("Mas=2"));
    m_control.setMarginBottom(300);
    Imprimir({100, 101, 102});
    const dobles::ImpresionGrabada& p = m_control.ultima();
    EXPECT_TRUE(p.plantilla.endsWith(QStringLiteral("/infDO_Recibo.rpt")));
    EXPECT_EQ(p.titulo, QStringLiteral("Recibos por caja"));
    EXPECT_EQ(p.ajuste67, 2);
    EXPECT_EQ(p.margenIzquierdo, 567);
    EXPECT_EQ(p.margenSuperior, 0);
    EXPECT_EQ(p.margenInferior, 0);
    EXPECT_EQ(p.margenDerecho, 0);
    EXPECT_EQ(p.formulas.value(3), QStringLiteral("PtsEur=2"));
    // The receipt paid through the bank is left out; "Abad" before "O'Brien".
    ASSERT_EQ(p.filas(QStringLiteral("Recibos")).size(), 2);
    const QString r = QStringLiteral("Recibos");
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("NumeroRecibo")), QStringLiteral("R-0100"));
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Importe_Recibo")), QStringLiteral("25,50"));
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Fecha_Recibo")), QStringLiteral("15/03/2024"));
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Persona_Nombre")), QStringLiteral("Abad Gil, Zoe"));
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Persona_Poblacion")), QStringLiteral("Calatayud"));
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Persona_Provincia")), QStringLiteral("Zaragoza"));
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Institucion_Poblacion")), QStringLiteral("Calatayud"));
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Institucion_CIF")), QStringLiteral("R5000001A"));
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Importe_Recibo_Texto")),
              QStringLiteral("Veinticinco euros con cincuenta centimos de euro."));
    // Quotes in names are kept; a person without a town prints with none.
    EXPECT_EQ(p.texto(r, 1, QStringLiteral("Persona_Nombre")), QStringLiteral("O'Brien , Sean \"Jr\""));
    EXPECT_EQ(p.texto(r, 1, QStringLiteral("Persona_Poblacion")), QString());
    EXPECT_EQ(p.texto(r, 1, QStringLiteral("Importe_Recibo_Texto")), QStringLiteral("Un euro."));
    // Every formula entry up to the first empty one is cleared, the table
    // is emptied, the window never disabled.
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(m_control.Formulas(i), QString()) << i;
    EXPECT_EQ(Filas(QStringLiteral("Recibos")), 0);
    EXPECT_TRUE(m_habilitar.isEmpty());
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(RecibosTest, EnPesetasSinDecimales)
{
    m_config.TrabajarConPesetas = true;
    Imprimir({100, 101});
    const dobles::ImpresionGrabada& p = m_control.ultima();
    EXPECT_EQ(p.formulas.value(1), QStringLiteral("PtsEur=0"));
    const QString r = QStringLiteral("Recibos");
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Importe_Recibo")), QStringLiteral("4.243"));
    EXPECT_EQ(p.texto(r, 0, QStringLiteral("Importe_Recibo_Texto")),
              QStringLiteral("Cuatro mil doscientas cuarenta y tres pesetas."));
    EXPECT_EQ(p.texto(r, 1, QStringLiteral("Importe_Recibo_Texto")), QStringLiteral("Una peseta."));
}

TEST_F(RecibosTest, SinReciboDeCajaAvisaYNoImprime)
{
    // Earlier rows of a failed print are not printed again.
    Informes({QStringLiteral("INSERT INTO Recibos (NumeroRecibo) VALUES ('viejo')")});
    for (const QList<qint32>& ids : {QList<qint32>{102}, QList<qint32>{}}) {
        testsupport::scriptedUi().queueAnswer(ui::vbOK);
        Imprimir(ids);
    }
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_EQ(Mensajes(), QStringList({kSinRegistros, kSinRegistros}));
    EXPECT_EQ(testsupport::scriptedUi().beepCount(), 2);
    EXPECT_EQ(Filas(QStringLiteral("Recibos")), 0);
}

TEST_F(RecibosTest, FechaNoValidaSeInformaConVerErrorYNoDejaFilas)
{
    Local({QStringLiteral("UPDATE Recibo SET Fecha = '---' WHERE IDRecibo = 101")});
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Imprimir({100, 101});
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("Procedimiento: ImprimirRecibos")));
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("Módulo: cInformes")));
    EXPECT_EQ(Filas(QStringLiteral("Recibos")), 0);
    EXPECT_EQ(m_control.Formulas(1), QString());
}

TEST_F(RecibosTest, ErrorDelMotorSeInformaYSeLimpianFormulasYTabla)
{
    m_control.fallarProximaImpresion(20511, QStringLiteral("No se pudo escribir"));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Imprimir({100});
    EXPECT_EQ(m_control.impresiones().size(), 1);
    EXPECT_EQ(m_control.LastErrorNumber(), 0);
    EXPECT_EQ(m_control.Formulas(1), QString());
    EXPECT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Filas(QStringLiteral("Recibos")), 0);
}

class ExhortoTest : public FixtureImpresion {
protected:
    dobles::RegistroMock<NiceMock<MockGestPar>> m_gestParPropio{[this](NiceMock<MockGestPar>& m) {
        ON_CALL(m, InformeExhortoMatrimonio).WillByDefault([this](db::Connection&, db::Connection&, qint32& id) {
            m_ids << id;
            m_habilitadaAlLlenar << m_habilitada;
            if (!m_parroquia.isNull())
                Informes({QStringLiteral("INSERT INTO Documentos_Matrimonio (Orden, ParroquiaResidenciaNovio) "
                                         "VALUES (1, '%1')")
                              .arg(m_parroquia)});
            Informes({QStringLiteral("INSERT INTO Documentos_Matrimonio_Novios (CodDocumentos_Matrimonio) VALUES (1)")});
            if (m_fallo)
                throw vb::VbError(3022, QStringLiteral("Valor duplicado"));
        });
        ON_CALL(m, ImprimirPartidaSinLibro).WillByDefault([this](auto&&...) {
            m_habilitadaAlLlenar << m_habilitada;
            if (!m_parroquia.isNull())
                Informes({QStringLiteral("INSERT INTO Documentos_Confirmacion (Orden, InstitucionNombre) "
                                         "VALUES (1, 'San Juan')")});
        });
    }};
    QString m_parroquia;
    bool m_fallo = false;
    QList<qint32> m_ids;
    QList<bool> m_habilitadaAlLlenar;
};

TEST_F(ExhortoTest, PlantillaSegunLaParroquiaDeResidencia)
{
    const std::pair<QString, const char*> casos[] = {
        {QStringLiteral("---"), "/infGP_ExhortoAmonestacionesMatrimonio.rpt"},
        {QStringLiteral("  ---  "), "/infGP_ExhortoAmonestacionesMatrimonio.rpt"},
        {QStringLiteral("San Pablo"), "/infGP_ExhortoAmonestacionesMatrimonioDatos.rpt"},
        {QStringLiteral(""), "/infGP_ExhortoAmonestacionesMatrimonioDatos.rpt"},
    };
    for (const auto& [parroquia, plantilla] : casos) {
        m_parroquia = parroquia;
        qint32 id = 9;
        cInformes(Contexto()).ImprimirExhortoAmonestacionesMatrimonio(id);
        EXPECT_TRUE(m_control.ultima().plantilla.endsWith(QString::fromLatin1(plantilla))) << parroquia.toStdString();
        EXPECT_EQ(m_control.ultima().titulo, QStringLiteral("Exhorto de amonestaciones"));
        EXPECT_EQ(FilasDocumentos(), 0);
    }
    EXPECT_EQ(m_ids, QList<qint32>(4, 9));
    // The add-in works with the window enabled.
    EXPECT_EQ(m_habilitadaAlLlenar, QList<bool>(4, true));
    EXPECT_EQ(m_habilitadaAlImprimir, QList<bool>(4, true));
    EXPECT_TRUE(m_habilitada);
}

TEST_F(ExhortoTest, SinFilaOConErrorNoImprimeYVacia)
{
    qint32 id = 9;
    cInformes(Contexto()).ImprimirExhortoAmonestacionesMatrimonio(id);
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_TRUE(m_habilitar.isEmpty());
    EXPECT_EQ(FilasDocumentos(), 0);

    m_parroquia = QStringLiteral("---");
    m_fallo = true;
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    cInformes(Contexto()).ImprimirExhortoAmonestacionesMatrimonio(id);
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("ImprimirExhortoAmonestacionesMatrimonio")));
    EXPECT_EQ(FilasDocumentos(), 0);
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

TEST_F(ExhortoTest, NotificacionSinLibro)
{
    cInformes(Contexto()).ImprimirPartidaSinLibro();
    EXPECT_TRUE(m_control.impresiones().isEmpty());

    m_parroquia = QStringLiteral("x");
    cInformes(Contexto()).ImprimirPartidaSinLibro();
    const dobles::ImpresionGrabada& p = m_control.ultima();
    EXPECT_TRUE(p.plantilla.endsWith(QStringLiteral("/infGP_NotificacionConfirmacion.rpt")));
    EXPECT_EQ(p.titulo, QStringLiteral("Notificación de confirmación"));
    EXPECT_EQ(p.filas(QStringLiteral("Documentos_Confirmacion")).size(), 1);
    EXPECT_EQ(FilasDocumentos(), 0);
    EXPECT_TRUE(m_habilitar.isEmpty());
}

} // namespace
