#include "FixtureImpresion.h"

#include "platform/pvapi/cCAplicacion.h"
#include "platform/pvapi/cCRegistry.h"
#include "printing/ExpedientesMatrimonio.h"
#include "printing/frmDatosGP.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using ::testing::_;
using ::testing::DoAll;
using ::testing::Eq;
using ::testing::Invoke;
using ::testing::SetArgReferee;
using expedientes::Documento;
using PVAPI::cCAplicacion;

namespace {

const QString kValdena = cCAplicacion::Texto(cCAplicacion::APP_PARVANTA_VALDENA);
const QString kCorbela = cCAplicacion::Texto(cCAplicacion::APP_PARVANTA_CORBELA);
const QString kOtra = QStringLiteral("2");

class ExpedientesTest : public FixtureImpresion {
protected:
    void SetUp() override
    {
        FixtureImpresion::SetUp();
        auto llenar = [this](auto&&...) {
            Informes({QStringLiteral("INSERT INTO Documentos_Matrimonio (Orden) VALUES (1)"),
                      QStringLiteral("INSERT INTO Documentos_Matrimonio_Otros (CodDocumentos_Matrimonio) VALUES (1)")});
        };
        ON_CALL(m_gestPar, InformeExpedienteFormato1).WillByDefault(Invoke(llenar));
        ON_CALL(m_gestPar, InformeExpedienteFormato2).WillByDefault(Invoke(llenar));
        ON_CALL(m_gestPar, InformeResumenMatrimonio).WillByDefault(Invoke(llenar));
        ON_CALL(m_gestPar, InformeResumenMatrimonio2).WillByDefault(Invoke(llenar));
        EstablecerMostrarDatosGP([this](DatosGP& d) {
            m_pedidos << d.mstrDocumento;
            if (m_cancelar)
                return;
            d.txtDatos[0] = QStringLiteral("  San Pablo ");
            d.txtDatos[7] = QStringLiteral("Santa \"Ana\"");
            d.Aceptar();
        });
    }
    void TearDown() override { EstablecerMostrarDatosGP({}); }

    void Imprimir(Documento d, const QString& aplicacion, const QString& clave = QStringLiteral("41"))
    {
        expedientes::ImprimirExpediente(Contexto(), d, clave, aplicacion);
    }

    QStringList m_pedidos;
    bool m_cancelar = false;
};

struct Caso {
    Documento documento;
    const QString* aplicacion;
    const char* plantilla;
    const char* titulo;
    const char* datos;
};

TEST_F(ExpedientesTest, PlantillaTituloYDatosPorEdicion)
{
    const Caso casos[] = {
        {Documento::Formato1, &kValdena, "\\infGP_ExpedienteMatrimonioValdena.rpt", "Expediente matrimonial de Valdena", ""},
        {Documento::Formato1, &kCorbela, "\\infGP_ExpedienteMatrimonio.rpt", "Expediente matrimonial", "EXPEDIENTE"},
        {Documento::Formato1, &kOtra, "\\infGP_ExpedienteMatrimonioFormato1.rpt", "Expediente matrimonial (formato 1)", ""},
        {Documento::Formato2, &kValdena, "\\infGP_ExpedienteMatrimonioOtras.rpt", "Expediente matrimonial de otras diócesis", ""},
        {Documento::Formato2, &kCorbela, "\\infGP_ExpedienteMatrimonioFormato2.rpt", "Expediente matrimonial (formato 2)", ""},
        {Documento::Formato3, &kValdena, "\\infGP_ExpedienteMatrimonioFormato3.rpt", "Expediente matrimonial (formato 3)", ""},
        {Documento::Resumen1, &kCorbela, "\\infGP_Atestado.rpt", "Atestado para otras Diócesis", "ATESTADO"},
        {Documento::Resumen1, &kValdena, "\\infGP_Allegato_V_1.rpt", "Resumen matrimonial (Allegato V) página 1", ""},
        {Documento::Resumen2, &kCorbela, "\\infGP_allegato_V_2.rpt", "Resumen matrimonial (Allegato V) página 2", ""},
    };
    for (const Caso& c : casos) {
        const expedientes::Eleccion e = expedientes::Elegir(c.documento, *c.aplicacion);
        EXPECT_EQ(e.plantilla, QString::fromLatin1(c.plantilla));
        EXPECT_EQ(e.titulo, QString::fromUtf8(c.titulo));
        EXPECT_EQ(e.datos, QString::fromLatin1(c.datos));
    }
}

TEST_F(ExpedientesTest, ExpedienteConDatosExtraComoFormulasQueLuegoSeBorran)
{
    EXPECT_CALL(m_gestPar, InformeExpedienteFormato1(_, _, Eq(QStringLiteral("41"))));
    GuardarMargen(PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(), QStringLiteral("20"));
    GuardarMargen(PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ(), QStringLiteral("25"));
    m_control.setFormulas(25, QStringLiteral("Vieja=1"));
    Imprimir(Documento::Formato1, kCorbela);
    EXPECT_EQ(m_pedidos, QStringList({QStringLiteral("EXPEDIENTE")}));
    const dobles::ImpresionGrabada& p = m_control.ultima();
    EXPECT_TRUE(p.plantilla.endsWith(QStringLiteral("/infGP_ExpedienteMatrimonio.rpt")));
    EXPECT_EQ(p.margenSuperior, 1134);
    EXPECT_EQ(p.margenIzquierdo, 1418);
    EXPECT_EQ(p.formulas.value(1), QStringLiteral("EXT - Novia - Cursillo Premat.= \"---\""));
    EXPECT_EQ(p.formulas.value(2), QStringLiteral("EXT - Novia - Feligresa De= \"Santa ''Ana''\""));
    EXPECT_EQ(p.formulas.value(9), QStringLiteral("EXT - Novio - Feligres De= \"San Pablo\""));
    EXPECT_EQ(p.formulas.value(17), QStringLiteral("EXT - Testigo2 - Religion= \"---\""));
    EXPECT_EQ(p.filas(QStringLiteral("Documentos_Matrimonio")).size(), 1);
    // Entries 1 to 30 are cleared after the file, even others' entries.
    EXPECT_TRUE(m_control.FormulasEnUso().isEmpty());
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(ExpedientesTest, CancelarLosDatosNoLlamaAlComplemento)
{
    m_cancelar = true;
    EXPECT_CALL(m_gestPar, InformeResumenMatrimonio).Times(0);
    Imprimir(Documento::Resumen1, kCorbela);
    EXPECT_EQ(m_pedidos, QStringList({QStringLiteral("ATESTADO")}));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
}

TEST_F(ExpedientesTest, FormatoTresConSusMarcas)
{
    EXPECT_CALL(m_gestPar, InformeExpedienteFormato3)
        .WillOnce(DoAll(SetArgReferee<3>(false), SetArgReferee<4>(true), SetArgReferee<5>(false)))
        .WillOnce(Invoke([this](auto&&...) {
            Informes({QStringLiteral("INSERT INTO Documentos_Matrimonio (Orden) VALUES (1)")});
        }));
    Imprimir(Documento::Formato3, kOtra);
    const dobles::ImpresionGrabada& p = m_control.ultima();
    EXPECT_EQ(p.formulas.value(0), QStringLiteral("TramitaParroquia=0"));
    EXPECT_EQ(p.formulas.value(1), QStringLiteral("EnviaCuria=1"));
    EXPECT_EQ(p.formulas.value(2), QStringLiteral("EnviaCuriaAntes=0"));
    EXPECT_TRUE(m_control.FormulasEnUso().isEmpty());
    // All three false: nothing printed, and the add-in's rows do not stay.
    Imprimir(Documento::Formato3, kOtra);
    EXPECT_EQ(m_control.impresiones().size(), 1);
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST_F(ExpedientesTest, ErrorDelMotorYClaveVacia)
{
    Imprimir(Documento::Resumen2, kOtra, QString());
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    m_control.fallarProximaImpresion(20502, QStringLiteral("No existe"));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Imprimir(Documento::Resumen2, kOtra);
    EXPECT_EQ(m_control.LastErrorNumber(), 0);
    EXPECT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(FilasDocumentos(), 0);
}

TEST(DatosGP, ComillasEspaciosYCajasEnBlanco)
{
    QString texto = QStringLiteral("abcd");
    int posicion = 2;
    DatosGP::TeclearComilla(texto, posicion);
    EXPECT_EQ(texto, QStringLiteral("ab''cd"));
    EXPECT_EQ(posicion, 4);

    DatosGP d;
    d.txtDatos[3] = QStringLiteral("   ");
    d.txtDatos[4] = QStringLiteral("  San  Juan ");
    d.Aceptar();
    EXPECT_FALSE(d.mblnCancelar);
    EXPECT_EQ(d.txtDatos[3], QStringLiteral("---"));
    EXPECT_EQ(d.txtDatos[4], QStringLiteral("San  Juan"));
    EXPECT_TRUE(DatosGP::Visible(QStringLiteral("ATESTADO"), 7));
    EXPECT_FALSE(DatosGP::Visible(QStringLiteral("ATESTADO"), 8));
    EXPECT_TRUE(DatosGP::Visible(QStringLiteral("atestado"), 8));
}

TEST(frmDatosGP, AceptarCompletaYQuitaComillasPegadas)
{
    frmDatosGP f(QStringLiteral("ATESTADO"));
    EXPECT_FALSE(f.txtDatos[1]->isVisibleTo(&f));
    EXPECT_TRUE(f.txtDatos[0]->isVisibleTo(&f));
    EXPECT_FALSE(f.fraDatos[2]->isVisibleTo(&f));
    EXPECT_EQ(f.txtDatos[0]->maxLength(), 50);
    EXPECT_EQ(f.txtDatos[6]->maxLength(), 15);
    // Pasted text keeps its quotes until the box is left or Enter accepts.
    f.txtDatos[0]->setText(QStringLiteral(" \"El Pilar\" "));
    QTest::keyClick(f.txtDatos[7], Qt::Key_QuoteDbl, Qt::ShiftModifier);
    QTest::keyClicks(f.txtDatos[7], QStringLiteral("x"));
    f.cmdAceptar->click();
    EXPECT_FALSE(f.datos.mblnCancelar);
    EXPECT_EQ(f.datos.txtDatos[0], QStringLiteral("''El Pilar''"));
    EXPECT_EQ(f.datos.txtDatos[7], QStringLiteral("''x"));
    EXPECT_EQ(f.datos.txtDatos[16], QStringLiteral("---"));

    frmDatosGP g(QStringLiteral("EXPEDIENTE"));
    g.txtDatos[1]->setText(QStringLiteral("  "));
    g.cmdCancelar->click();
    EXPECT_TRUE(g.datos.mblnCancelar);
    EXPECT_EQ(g.txtDatos[1]->text(), QStringLiteral("  "));
}

} // namespace
