#include "addin_doubles/MockVodidazaz.h"
#include "addin_doubles/RegistroMock.h"
#include "core/AjustesUsuario.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/vb/VbError.h"
#include "reports/BotoneraInformes.h"
#include "reports/FixtureInformes.h"

#include <QProgressBar>

using ::testing::_;
using ::testing::InvokeWithoutArgs;
using ::testing::NiceMock;
using dobles::MockVodidazaz;

namespace {

// A donations add-in that fills the work table the test names with one
// row per fill and empties it in its Elimina… members, recording each call.
class InformesDonativosTest : public FixtureInformes {
protected:
    void SetUp() override
    {
        FixtureInformes::SetUp();
        const AjustesUsuario a{m_estado.appTitle, m_config.Usuario, m_config.idioma};
        const QString s = a.Seccion(PVAPI::cCRegistry::DOCUMENTOS());
        a.Guardar(s, PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(), QStringLiteral("10"));
        a.Guardar(s, PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ(), QStringLiteral("15"));
        a.Guardar(s, PVAPI::cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_SUP(), QStringLiteral("5"));
        a.Guardar(s, PVAPI::cCRegistry::DOCUMENTOS_ETIQUETAS_MARGEN_IZQ(), QStringLiteral("7"));
        a.Guardar(s, PVAPI::cCRegistry::DOCUMENTOS_MARGEN(), QStringLiteral("20"));
        m_config.ContabilidadDLL = false;
        m_config.GestionParroquialDLL = false;
        m_ctx = Contexto();
        m_barra.setVisible(true);
    }

    void Preparar(MockVodidazaz& m)
    {
        auto llenar = [this](const char* nombre) {
            return InvokeWithoutArgs([this, nombre] {
                m_llamadas << QString::fromLatin1(nombre);
                if (m_fallo)
                    throw vb::VbError(3078, QStringLiteral("No se encuentra la tabla"));
                for (int i = 0; i < m_filas; ++i)
                    Informes({QStringLiteral("INSERT INTO %1 (Orden) VALUES (%2)").arg(m_tabla).arg(i + 1)});
            });
        };
        auto vaciar = [this](const char* nombre, const char* tabla = nullptr) {
            return InvokeWithoutArgs([this, nombre, tabla] {
                m_llamadas << QString::fromLatin1(nombre);
                Informes({QStringLiteral("DELETE FROM ") + (tabla ? QString::fromLatin1(tabla) : m_tabla)});
            });
        };
        ON_CALL(m, INFORMECERTIFICADORECIBOS).WillByDefault(llenar("INFORMECERTIFICADORECIBOS"));
        ON_CALL(m, InformeVodidazazPorDonante).WillByDefault(llenar("InformeVodidazazPorDonante"));
        ON_CALL(m, InformeRemesas).WillByDefault(llenar("InformeRemesas"));
        ON_CALL(m, InformePersonas).WillByDefault(llenar("InformePersonas"));
        ON_CALL(m, InformeDonantesConDonativo).WillByDefault(llenar("InformeDonantesConDonativo"));
        ON_CALL(m, InformeVodidazazConDonante).WillByDefault(llenar("InformeVodidazazConDonante"));
        ON_CALL(m, InformeEtiquetas).WillByDefault(llenar("InformeEtiquetas"));
        ON_CALL(m, InformeVodidazazImpagados).WillByDefault(llenar("InformeVodidazazImpagados"));
        ON_CALL(m, INFORMETOTALESVODIDAZAZ).WillByDefault(llenar("INFORMETOTALESVODIDAZAZ"));
        ON_CALL(m, SelInfVodidazazPorDonante).WillByDefault(llenar("SelInfVodidazazPorDonante"));
        ON_CALL(m, SelInfRemesas).WillByDefault(llenar("SelInfRemesas"));
        ON_CALL(m, SelInfPersonas).WillByDefault(llenar("SelInfPersonas"));
        ON_CALL(m, SelInfDonantes).WillByDefault(llenar("SelInfDonantes"));
        ON_CALL(m, SelInfVodidazazConDonante).WillByDefault(llenar("SelInfVodidazazConDonante"));
        ON_CALL(m, SelInfEtiquetas).WillByDefault(llenar("SelInfEtiquetas"));
        ON_CALL(m, SelInfImpagados).WillByDefault(llenar("SelInfImpagados"));
        ON_CALL(m, SelInfTotalesVodidazaz).WillByDefault(llenar("SelInfTotalesVodidazaz"));
        ON_CALL(m, EliminaCertificadoRecibos).WillByDefault(vaciar("EliminaCertificadoRecibos", "Informe_Certificado_Recibo"));
        ON_CALL(m, EliminaVodidazazPorDonante).WillByDefault(vaciar("EliminaVodidazazPorDonante"));
        ON_CALL(m, EliminaRemesas).WillByDefault(vaciar("EliminaRemesas"));
        ON_CALL(m, EliminaPersona).WillByDefault(vaciar("EliminaPersona"));
        ON_CALL(m, EliminaDonanteDonativo).WillByDefault(vaciar("EliminaDonanteDonativo"));
        ON_CALL(m, EliminaEtiqueta).WillByDefault(vaciar("EliminaEtiqueta", "Etiquetas"));
        ON_CALL(m, EliminaImpagados).WillByDefault(vaciar("EliminaImpagados"));
        ON_CALL(m, SelInfCertificadoRecibos)
            .WillByDefault([this](db::Connection&, db::Connection&, PVAPI::cInfoConfiguracion&, bool& cancelar,
                                  QString& plantilla, bool& etiquetas) {
                m_llamadas << QStringLiteral("SelInfCertificadoRecibos");
                cancelar = m_cancelar;
                etiquetas = m_etiquetas;
                plantilla = m_plantilla;
                for (int i = 0; i < m_filas; ++i) {
                    Informes({QStringLiteral("INSERT INTO Informe_Certificado_Recibo (Orden) VALUES (%1)").arg(i + 1)});
                    if (etiquetas)
                        Informes({QStringLiteral("INSERT INTO Etiquetas (Orden) VALUES (%1)").arg(i + 1)});
                }
            });
    }

    bool Todos(const QString& caption) { return Pulsar(caption, 0); }
    bool Seleccionar(const QString& caption) { return Pulsar(caption, 1); }
    bool Pulsar(const QString& caption, int indice)
    {
        ObjetosBotonera objetos(m_estado.appTitle);
        CrearObjetosBotonera(m_config, objetos);
        const EntornoInforme e(m_ctx, objetos, &m_barra, caption, indice);
        return indice == 0 ? EjecutarTodos(e, caption) : EjecutarSeleccionar(e, caption);
    }

    ContextoInformes m_ctx;
    QProgressBar m_barra;
    QString m_tabla;
    int m_filas = 1;
    bool m_fallo = false;
    bool m_cancelar = false;
    bool m_etiquetas = false;
    QString m_plantilla = QStringLiteral("infDO_CertificadoRecibos.rpt");
    QStringList m_llamadas;
    dobles::RegistroMock<NiceMock<MockVodidazaz>> m_vodidazaz{[this](MockVodidazaz& m) { Preparar(m); }};
};

struct CasoLista {
    const char* caption;
    const char* tabla;
    const char* llenado;
    const char* vaciado;  // the add-in member that empties, or "" for a statement
    const char* plantilla;
    const char* titulo;
    bool ptsEur;
    qint16 superior;
    qint16 izquierdo;
    const char* orden;
};

std::ostream& operator<<(std::ostream& os, const CasoLista& c) { return os << c.caption; }

class TodosDonativos : public InformesDonativosTest, public ::testing::WithParamInterface<CasoLista> {};
class SeleccionDonativos : public InformesDonativosTest, public ::testing::WithParamInterface<CasoLista> {};

void ComprobarImpresion(const dobles::DobleControlInforme& control, const CasoLista& c, int filas)
{
    ASSERT_EQ(control.impresiones().size(), 1);
    const dobles::ImpresionGrabada& i = control.ultima();
    EXPECT_TRUE(i.plantilla.endsWith(QLatin1Char('/') + QString::fromUtf8(c.plantilla))) << i.plantilla.toStdString();
    EXPECT_TRUE(i.datos.endsWith(QStringLiteral("/Informes.mdb")));
    EXPECT_EQ(i.clave, QStringLiteral("\nNvP2000#Informes"));
    EXPECT_EQ(i.titulo, QString::fromUtf8(c.titulo));
    EXPECT_EQ(i.ajuste67, 2);
    EXPECT_EQ(i.margenSuperior, c.superior);
    EXPECT_EQ(i.margenIzquierdo, c.izquierdo);
    EXPECT_EQ(i.margenInferior, 0);
    EXPECT_EQ(i.margenDerecho, 0);
    const QMap<int, QString> formulas =
        c.ptsEur ? QMap<int, QString>{{1, QStringLiteral("PtsEur=2")}} : QMap<int, QString>{};
    EXPECT_EQ(i.formulas, formulas);
    const QMap<int, QString> orden =
        *c.orden ? QMap<int, QString>{{0, QString::fromUtf8(c.orden)}} : QMap<int, QString>{};
    EXPECT_EQ(i.orden, orden);
    EXPECT_EQ(i.filas(QString::fromUtf8(c.tabla)).size(), filas);
    // Nothing of this print stays on the control for the next one.
    EXPECT_TRUE(control.FormulasEnUso().isEmpty());
    EXPECT_TRUE(control.OrdenEnUso().isEmpty());
}

TEST_P(TodosDonativos, FillsPrintsWithTheReportsSettingsAndEmptiesTheTable)
{
    const CasoLista c = GetParam();
    m_tabla = QString::fromUtf8(c.tabla);
    m_filas = 2;
    EXPECT_TRUE(Todos(QString::fromUtf8(c.caption)));
    ComprobarImpresion(m_control, c, 2);
    EXPECT_EQ(m_llamadas.value(0), QString::fromUtf8(c.llenado));
    EXPECT_EQ(m_llamadas.value(1, QString()), QString::fromUtf8(c.vaciado));
    EXPECT_EQ(Filas(m_tabla), 0);
    EXPECT_FALSE(m_barra.isVisible());
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
    EXPECT_TRUE(Mensajes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Informes, TodosDonativos,
    ::testing::Values(
        CasoLista{"Certificado-Recibos", "Informe_Certificado_Recibo", "INFORMECERTIFICADORECIBOS",
                  "EliminaCertificadoRecibos", "infDO_CertificadoRecibos.rpt", "Informe de certificado de donativos",
                  true, 1134, 0, ""},
        CasoLista{"Vodidazaz por donante", "Informe_Persona_Donativo", "InformeVodidazazPorDonante", "",
                  "infDO_PersonaDonativo.rpt", "Informe de donativos por donante", true, 567, 850, ""},
        CasoLista{"Remesas", "Informe_Remesa", "InformeRemesas", "", "infDO_Remesa.rpt", "Informe de remesas", true,
                  567, 850, ""},
        CasoLista{"Donantes", "Informe_Persona", "InformePersonas", "", "infDO_Persona.rpt", "Informe de donantes",
                  false, 567, 850, ""},
        CasoLista{"Donantes con donativo", "Vodidazaz_Donantes", "InformeDonantesConDonativo", "",
                  "infDO_Donante.rpt", "Informe de donantes con donativo", true, 567, 850, ""},
        CasoLista{"Vodidazaz con donante", "Vodidazaz_Donantes", "InformeVodidazazConDonante", "",
                  "infDO_Donativo.rpt", "Informe de donativos con donante", true, 567, 850, ""},
        CasoLista{"Etiquetas", "Etiquetas", "InformeEtiquetas", "", "infDO_Etiqueta.rpt", "Informe de etiquetas",
                  false, 284, 397, ""},
        CasoLista{"Vodidazaz impagados", "Impagados", "InformeVodidazazImpagados", "EliminaImpagados",
                  "infDO_impagados.rpt", "Informe de donativos impagados", true, 567, 850, ""},
        CasoLista{"Totales de donativos", "Informe_Totales_Vodidazaz", "INFORMETOTALESVODIDAZAZ", "",
                  "infDO_TotalesVodidazaz.rpt", "Informe de totales de donativos", true, 567, 850, ""}));

TEST_P(SeleccionDonativos, SelectsPrintsWithTheReportsSettingsAndEmptiesTheTable)
{
    const CasoLista c = GetParam();
    m_tabla = QString::fromUtf8(c.tabla);
    m_barra.setVisible(true);
    EXPECT_TRUE(Seleccionar(QString::fromUtf8(c.caption)));
    ComprobarImpresion(m_control, c, 1);
    EXPECT_EQ(m_llamadas.value(0), QString::fromUtf8(c.llenado));
    EXPECT_EQ(m_llamadas.value(1, QString()), QString::fromUtf8(c.vaciado));
    EXPECT_EQ(Filas(m_tabla), 0);
    EXPECT_TRUE(m_barra.isVisible());  // the selection runs leave the bar alone
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

INSTANTIATE_TEST_SUITE_P(
    Informes, SeleccionDonativos,
    ::testing::Values(
        CasoLista{"Vodidazaz por donante", "Informe_Persona_Donativo", "SelInfVodidazazPorDonante",
                  "EliminaVodidazazPorDonante", "infDO_PersonaDonativo.rpt", "Informe de donativos por donante", true,
                  567, 850, ""},
        CasoLista{"Remesas", "Informe_Remesa", "SelInfRemesas", "EliminaRemesas", "infDO_Remesa.rpt",
                  "Informe de remesas", true, 567, 850, ""},
        CasoLista{"Donantes", "Informe_Persona", "SelInfPersonas", "EliminaPersona", "infDO_Persona.rpt",
                  "Informe de donantes", false, 567, 850, ""},
        CasoLista{"Donantes con donativo", "Vodidazaz_Donantes", "SelInfDonantes", "EliminaDonanteDonativo",
                  "infDO_Donante.rpt", "Informe de donantes con donativo", true, 567, 850, ""},
        CasoLista{"Vodidazaz con donante", "Vodidazaz_Donantes", "SelInfVodidazazConDonante",
                  "EliminaDonanteDonativo", "infDO_Donativo.rpt", "Informe de donativos con donante", true, 567, 850,
                  ""},
        CasoLista{"Etiquetas", "Etiquetas", "SelInfEtiquetas", "EliminaEtiqueta", "infDO_Etiqueta.rpt",
                  "Informe de etiquetas", false, 284, 397, "+{Etiquetas.Orden}"},
        CasoLista{"Vodidazaz impagados", "Impagados", "SelInfImpagados", "EliminaImpagados", "infDO_impagados.rpt",
                  "Informe de donativos impagados", true, 567, 850, ""},
        CasoLista{"Totales de donativos", "Informe_Totales_Vodidazaz", "SelInfTotalesVodidazaz", "",
                  "infDO_TotalesVodidazaz.rpt", "Informe de totales de donativos", true, 567, 850, ""}));

TEST_F(InformesDonativosTest, WorkingInPesetasPutsTheCurrencyFormulaAfterTheEntriesInUse)
{
    m_config.TrabajarConPesetas = true;
    m_control.setFormulas(1, QStringLiteral("Otra=1"));
    m_tabla = QStringLiteral("Informe_Remesa");
    Todos(QStringLiteral("Remesas"));
    EXPECT_EQ(m_control.ultima().formulas.value(2), QStringLiteral("PtsEur=0"));
    EXPECT_EQ(m_control.Formulas(1), QStringLiteral("Otra=1"));
    EXPECT_TRUE(m_control.Formulas(2).isEmpty());
}

TEST_F(InformesDonativosTest, AnEmptyTableIsAnnouncedOnAllRecordsRunsOnly)
{
    m_tabla = QStringLiteral("Informe_Persona");
    m_filas = 0;
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Todos(QStringLiteral("Donantes"));
    EXPECT_EQ(Mensajes(), QStringList{QStringLiteral("¡No se ha encontrado ningún registro!")});
    EXPECT_EQ(testsupport::scriptedUi().lastMessage().icon, ui::vbInformation);
    EXPECT_EQ(testsupport::scriptedUi().beepCount(), 1);
    Seleccionar(QStringLiteral("Donantes"));
    EXPECT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_FALSE(m_barra.isVisible());
}

TEST_F(InformesDonativosTest, AFailedFillIsToldInsteadOfNoRecordsAndTheTableIsStillEmptied)
{
    m_tabla = QStringLiteral("Informe_Remesa");
    Informes({QStringLiteral("INSERT INTO Informe_Remesa (Orden) VALUES (9)")});  // left by an earlier run
    m_fallo = true;
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Todos(QStringLiteral("Remesas"));
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0], QStringLiteral("¡Ocurrió un error al crear el recordset!\nDescripción: "
                                            "No se encuentra la tabla"));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_EQ(Filas(m_tabla), 0);
    EXPECT_FALSE(m_barra.isVisible());
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

TEST_F(InformesDonativosTest, AFailedUnpaidFillIsReportedThroughVerError)
{
    m_tabla = QStringLiteral("Impagados");
    m_fallo = true;
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Todos(QStringLiteral("Vodidazaz impagados"));
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("cmdBotonera_Click(0)")));
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("frmViewInforme")));
    EXPECT_TRUE(m_llamadas.contains(QStringLiteral("EliminaImpagados")));
}

TEST_F(InformesDonativosTest, AnEngineErrorIsShownOnceAndTheTableIsEmptiedAllTheSame)
{
    m_tabla = QStringLiteral("Informe_Persona");
    m_control.fallarProximaImpresion(20502, QStringLiteral("No existe la plantilla"));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Todos(QStringLiteral("Donantes"));
    EXPECT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(m_control.LastErrorNumber(), 0);
    EXPECT_TRUE(m_control.LastErrorString().isEmpty());
    EXPECT_EQ(Filas(m_tabla), 0);
}

struct CasoCertificado {
    bool cancelar;
    bool etiquetas;
    int filas;
    bool errorMotor;
    QStringList plantillas;  // printed, in order
};

class CertificadosSeleccion : public InformesDonativosTest,
                              public ::testing::WithParamInterface<CasoCertificado> {};

TEST_P(CertificadosSeleccion, PrintLabelsOnlyAfterACleanPrintOrACancelThatAsksForThem)
{
    const CasoCertificado c = GetParam();
    m_cancelar = c.cancelar;
    m_etiquetas = c.etiquetas;
    m_filas = c.filas;
    m_tabla = QStringLiteral("Etiquetas");
    if (c.errorMotor) {
        m_control.fallarProximaImpresion(20510, QStringLiteral("No se pudieron leer las tablas"));
        testsupport::scriptedUi().queueAnswer(ui::vbOK);
    }
    Seleccionar(QStringLiteral("Certificado-Recibos"));
    QStringList impresas;
    for (const dobles::ImpresionGrabada& i : m_control.impresiones())
        impresas << i.plantilla.section(QLatin1Char('/'), -1);
    EXPECT_EQ(impresas, c.plantillas);
    EXPECT_TRUE(m_llamadas.contains(QStringLiteral("EliminaCertificadoRecibos")));
    if (!impresas.isEmpty() && impresas.first() == QLatin1String("infDO_CertificadoRecibos.rpt")) {
        const dobles::ImpresionGrabada& i = m_control.impresiones().first();
        EXPECT_EQ(i.margenSuperior, 1134);
        EXPECT_EQ(i.margenIzquierdo, 0);
        EXPECT_EQ(i.orden.value(0), QStringLiteral("+{Informe_Certificado_Recibo.Orden}"));
    }
    EXPECT_EQ(Filas(QStringLiteral("Informe_Certificado_Recibo")), 0);
    // Labels filled for a print that did not happen go as well.
    EXPECT_EQ(Filas(QStringLiteral("Etiquetas")), 0);
    EXPECT_TRUE(m_control.OrdenEnUso().isEmpty());
}

const QString kCert = QStringLiteral("infDO_CertificadoRecibos.rpt");
const QString kEtiq = QStringLiteral("infDO_Etiqueta.rpt");

INSTANTIATE_TEST_SUITE_P(Casos, CertificadosSeleccion,
                         ::testing::Values(CasoCertificado{true, true, 1, false, {kEtiq}},
                                           CasoCertificado{true, false, 1, false, {}},
                                           CasoCertificado{false, true, 0, false, {}},
                                           CasoCertificado{false, true, 1, false, {kCert, kEtiq}},
                                           CasoCertificado{false, false, 1, false, {kCert}},
                                           CasoCertificado{false, true, 1, true, {kCert}}));

TEST_F(InformesDonativosTest, ACertificateTemplateOutsideTheProgramFolderIsRefused)
{
    m_plantilla = QStringLiteral("../../etc/passwd");
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Seleccionar(QStringLiteral("Certificado-Recibos"));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].startsWith(QStringLiteral("¡Ocurrió un error mientras se borraban los Donantes del informe!")));
    EXPECT_EQ(Filas(QStringLiteral("Informe_Certificado_Recibo")), 0);
}

TEST_F(InformesDonativosTest, WithoutTheAddInObjectTheFailureIsToldAndNothingPrints)
{
    m_config.VodidazazDLL = false;
    m_tabla = QStringLiteral("Informe_Remesa");
    testsupport::scriptedUi().queueAnswers({ui::vbOK, ui::vbOK});
    Seleccionar(QStringLiteral("Remesas"));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    ASSERT_FALSE(Mensajes().isEmpty());
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("cmdBotonera_Click(1)")));
}

} // namespace
