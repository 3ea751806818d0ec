#include "addin_doubles/MockGestPar.h"
#include "addin_doubles/MockInformesContabilidad.h"
#include "addin_doubles/RegistroMock.h"
#include "core/AjustesUsuario.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/vb/VbError.h"
#include "reports/BotoneraInformes.h"
#include "reports/FixtureInformes.h"

#include <QProgressBar>

using ::testing::_;
using ::testing::Eq;
using ::testing::InvokeWithoutArgs;
using ::testing::NiceMock;
using dobles::MockGestPar;
using dobles::MockInformesContabilidad;
using PVAPI::cCAplicacion;

namespace {

class InformesParroquiaTest : public FixtureInformes {
protected:
    void SetUp() override
    {
        FixtureInformes::SetUp();
        const AjustesUsuario a{m_estado.appTitle, m_config.Usuario, m_config.idioma};
        const QString s = a.Seccion(PVAPI::cCRegistry::DOCUMENTOS());
        a.Guardar(s, PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(), QStringLiteral("10"));
        m_config.VodidazazDLL = false;
        m_ctx = Contexto();
        m_barra.setVisible(true);
    }

    void Preparar(MockGestPar& m)
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
        ON_CALL(m, SelInfTareasAgenda).WillByDefault(llenar("SelInfTareasAgenda"));
        ON_CALL(m, SelInfActividad).WillByDefault(llenar("SelInfActividad"));
        ON_CALL(m, SelInfColaborador).WillByDefault(llenar("SelInfColaborador"));
        ON_CALL(m, SelInfColaboradorExt).WillByDefault(llenar("SelInfColaboradorExt"));
        ON_CALL(m, InformeAgenda).WillByDefault(llenar("InformeAgenda"));
        ON_CALL(m, InformeActividad).WillByDefault(llenar("InformeActividad"));
        ON_CALL(m, InformeColaborador).WillByDefault(llenar("InformeColaborador"));
        ON_CALL(m, InformeColaboradorExt).WillByDefault(llenar("InformeColaboradorExt"));
        ON_CALL(m, imprimirduplicadas)
            .WillByDefault([this](db::Connection&, db::Connection&, const QString& informe, QString& orden) {
                m_llamadas << QStringLiteral("imprimirduplicadas(%1)").arg(informe);
                orden = m_orden;
                for (int i = 0; i < m_filas; ++i)
                    Informes({QStringLiteral("INSERT INTO %1 (Orden) VALUES (%2)").arg(m_tabla).arg(i + 1)});
            });
        ON_CALL(m, InformeExpedienteFormato3Plantilla).WillByDefault([this](bool& t, bool& c, bool& a) {
            m_llamadas << QStringLiteral("InformeExpedienteFormato3Plantilla");
            t = m_formato3[0];
            c = m_formato3[1];
            a = m_formato3[2];
        });
    }

    void Pulsar(const QString& caption, int indice, const QString& seleccionado = {})
    {
        ObjetosBotonera objetos(m_estado.appTitle);
        CrearObjetosBotonera(m_config, objetos);
        const EntornoInforme e(m_ctx, objetos, &m_barra, seleccionado.isEmpty() ? caption : seleccionado, indice);
        if (indice == 0)
            EjecutarTodos(e, caption);
        else
            EjecutarSeleccionar(e, caption);
    }

    ContextoInformes m_ctx;
    QProgressBar m_barra;
    QString m_tabla;
    int m_filas = 1;
    bool m_fallo = false;
    QString m_orden;
    bool m_formato3[3] = {false, false, false};
    QStringList m_llamadas;
    dobles::RegistroMock<NiceMock<MockGestPar>> m_gestPar{[this](MockGestPar& m) { Preparar(m); }};
    dobles::RegistroMock<NiceMock<MockInformesContabilidad>> m_contabilidad;
};

struct CasoListaParroquia {
    int indice;
    const char* caption;
    const char* tabla;
    const char* miembro;
    const char* plantilla;
    const char* titulo;
    bool ajuste24;
};

std::ostream& operator<<(std::ostream& os, const CasoListaParroquia& c)
{
    return os << c.indice << " " << c.caption;
}

class ListasParroquia : public InformesParroquiaTest, public ::testing::WithParamInterface<CasoListaParroquia> {};

TEST_P(ListasParroquia, FillPrintWithTheListSettingsAndEmptyTheTable)
{
    const CasoListaParroquia c = GetParam();
    m_tabla = QString::fromUtf8(c.tabla);
    m_control.setEngineSetting24(7);
    Pulsar(QString::fromUtf8(c.caption), c.indice);
    EXPECT_EQ(m_llamadas, QStringList{QString::fromUtf8(c.miembro)});
    ASSERT_EQ(m_control.impresiones().size(), 1);
    const dobles::ImpresionGrabada& i = m_control.ultima();
    EXPECT_TRUE(i.plantilla.endsWith(QLatin1Char('/') + QString::fromUtf8(c.plantilla)));
    EXPECT_EQ(i.titulo, QString::fromUtf8(c.titulo));
    EXPECT_EQ(i.margenSuperior, 567);
    EXPECT_EQ(i.ajuste24, c.ajuste24 ? 0 : 7);
    EXPECT_TRUE(i.formulas.isEmpty());
    EXPECT_TRUE(i.orden.isEmpty());
    EXPECT_EQ(i.filas(m_tabla).size(), 1);
    EXPECT_EQ(Filas(m_tabla), 0);
    EXPECT_EQ(m_barra.isVisible(), c.indice == 1);
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

INSTANTIATE_TEST_SUITE_P(
    Informes, ListasParroquia,
    ::testing::Values(
        CasoListaParroquia{1, "Tareas de la agenda", "Tareas_Agenda", "SelInfTareasAgenda", "infGP_TareasAgenda.rpt",
                           "Informe de Tareas de la Agenda", true},
        CasoListaParroquia{1, "Actividades", "Informe_Colaboradores", "SelInfActividad", "infGP_Actividad.rpt",
                           "Informe de Actividades", false},
        CasoListaParroquia{1, "Colaboradores", "Informe_Colaboradores", "SelInfColaborador", "infGP_Colabora.rpt",
                           "Informe de Colaboradores", false},
        CasoListaParroquia{1, "Colaboradores (extendido)", "Informe_Colaboradores", "SelInfColaboradorExt",
                           "infGP_ColaboraExt.rpt", "Informe de Colaboradores  (extendido)", false},
        CasoListaParroquia{0, "Actividades", "Informe_Colaboradores", "InformeActividad", "infGP_Actividad.rpt",
                           "Informe de Actividades", false},
        CasoListaParroquia{0, "Tareas de la agenda", "Tareas_Agenda", "InformeAgenda", "infGP_TareasAgenda.rpt",
                           "Informe de Tareas de la Agenda", false},
        CasoListaParroquia{0, "Colaboradores", "Informe_Colaboradores", "InformeColaborador", "infGP_Colabora.rpt",
                           "Informe de Colaboradores", false},
        CasoListaParroquia{0, "Colaboradores (extendido)", "Informe_Colaboradores", "InformeColaboradorExt",
                           "infGP_ColaboraExt.rpt", "Informe de Colaboradores (extendido)", false}));

TEST_F(InformesParroquiaTest, AFailedSelectionIsToldWithTheReadMessageAndTheTableIsEmptiedAnyway)
{
    m_tabla = QStringLiteral("Informe_Colaboradores");
    Informes({QStringLiteral("INSERT INTO Informe_Colaboradores (Orden) VALUES (5)")});
    m_fallo = true;
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Pulsar(QStringLiteral("Colaboradores"), 1);
    EXPECT_EQ(Mensajes(), QStringList{QStringLiteral("¡Ocurrió un error al crear el recordset!\n"
                                                     "Descripción: No se encuentra la tabla")});
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_EQ(Filas(m_tabla), 0);
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

TEST_F(InformesParroquiaTest, ACancelledSelectionPrintsAndSaysNothing)
{
    m_tabla = QStringLiteral("Tareas_Agenda");
    m_filas = 0;
    Pulsar(QStringLiteral("Tareas de la agenda"), 1);
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_TRUE(Mensajes().isEmpty());
}

struct CasoDuplicada {
    const char* caption;
    const char* tabla;
    const char* plantilla;
    const char* titulo;
};

class Duplicadas : public InformesParroquiaTest, public ::testing::WithParamInterface<CasoDuplicada> {};

TEST_P(Duplicadas, PrintWithTheAddInsSortFieldsAndEmptyTheTables)
{
    const CasoDuplicada c = GetParam();
    m_tabla = QString::fromUtf8(c.tabla);
    m_orden = QStringLiteral("+{%1.Libro},-{%1.Folio}").arg(m_tabla);
    Informes({QStringLiteral("INSERT INTO Documentos_Matrimonio_Otros (Orden) VALUES (1)")});
    Pulsar(QString::fromUtf8(c.caption), 0, QStringLiteral("Nodo seleccionado"));
    EXPECT_EQ(m_llamadas, QStringList{QStringLiteral("imprimirduplicadas(Nodo seleccionado)")});
    ASSERT_EQ(m_control.impresiones().size(), 1);
    const dobles::ImpresionGrabada& i = m_control.ultima();
    EXPECT_TRUE(i.plantilla.endsWith(QLatin1Char('/') + QString::fromUtf8(c.plantilla)));
    EXPECT_EQ(i.titulo, QString::fromUtf8(c.titulo));
    EXPECT_EQ(i.orden, (QMap<int, QString>{{0, QStringLiteral("+{%1.Libro}").arg(m_tabla)},
                                           {1, QStringLiteral("-{%1.Folio}").arg(m_tabla)}}));
    EXPECT_EQ(i.ajuste24, 0);
    EXPECT_TRUE(i.ajuste122);
    EXPECT_FALSE(i.ajuste124);
    EXPECT_TRUE(m_control.OrdenEnUso().isEmpty());
    EXPECT_EQ(Filas(m_tabla), 0);
    EXPECT_EQ(Filas(QStringLiteral("Documentos_Matrimonio_Otros")), m_tabla == "Documentos_Matrimonio" ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Informes, Duplicadas,
    ::testing::Values(CasoDuplicada{"Duplicadas de bautismo", "Documentos_Bautismo", "infGP_DuplicadasBautismo.rpt",
                                    "Duplicadas de Bautismo"},
                      CasoDuplicada{"Duplicadas de confirmación", "Documentos_Confirmacion",
                                    "infGP_DuplicadasConfirmacion.rpt", "Duplicadas de Confirmación"},
                      CasoDuplicada{"Duplicadas de matrimonio", "Documentos_Matrimonio",
                                    "infGP_DuplicadasMatrimonio.rpt", "Duplicadas de Matrimonio"},
                      CasoDuplicada{"Duplicadas de defunción", "Documentos_Defuncion",
                                    "infGP_DuplicadasDefuncion.rpt", "Duplicadas de Defunción"}));

TEST_F(InformesParroquiaTest, AnEmptyDuplicateBookPrintsNothingAndSetsNoSortField)
{
    m_tabla = QStringLiteral("Documentos_Bautismo");
    m_filas = 0;
    Pulsar(QStringLiteral("Duplicadas de bautismo"), 0);
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_TRUE(Mensajes().isEmpty());
    EXPECT_TRUE(m_control.llamadas().filter(QStringLiteral("SortFields")).isEmpty());
}

struct CasoPlantilla {
    long edicion;
    const char* caption;
    const char* plantilla;
    const char* titulo;
};

std::ostream& operator<<(std::ostream& os, const CasoPlantilla& c) { return os << c.edicion << " " << c.caption; }

class Plantillas : public InformesParroquiaTest, public ::testing::WithParamInterface<CasoPlantilla> {};

TEST_P(Plantillas, TheEditionChoosesTemplateAndTitle)
{
    const CasoPlantilla c = GetParam();
    m_ctx.edicion = c.edicion;
    Pulsar(QString::fromUtf8(c.caption), 0);
    ASSERT_EQ(m_control.impresiones().size(), 1);
    const dobles::ImpresionGrabada& i = m_control.ultima();
    EXPECT_TRUE(i.plantilla.endsWith(QLatin1Char('/') + QString::fromUtf8(c.plantilla))) << i.plantilla.toStdString();
    EXPECT_EQ(i.titulo, QString::fromUtf8(c.titulo));
    EXPECT_TRUE(i.ajuste122);
    EXPECT_FALSE(i.ajuste124);
    EXPECT_EQ(i.margenSuperior, 567);
    EXPECT_EQ(testsupport::scriptedUi().pointerHistory(), (QList<ui::MousePointer>{ui::vbHourglass, ui::vbDefault}));
}

constexpr long kValdena = cCAplicacion::APP_PARVANTA_VALDENA;
constexpr long kCorbela = cCAplicacion::APP_PARVANTA_CORBELA;
constexpr long kTurel = cCAplicacion::APP_PARVANTA_TUREL;

INSTANTIATE_TEST_SUITE_P(
    Informes, Plantillas,
    ::testing::Values(
        CasoPlantilla{kTurel, "Solicitud de bautismo", "infGP_SolicitudBautismoBlanco.rpt", "Solicitud de Bautismo"},
        CasoPlantilla{kTurel, "Notificación confirmación a parr. baut.", "infGP_NotificacionConfirmacionPlantilla.rpt",
                      "Notificación de confirmación a la parroquia de bautismo"},
        CasoPlantilla{kValdena, "Expediente matrimonial (formato 1)", "infGP_ExpedienteMatrimonioValdenaPlantilla.rpt",
                      "Expediente matrimonial en Valdena"},
        CasoPlantilla{kCorbela, "Expediente matrimonial en Valdena", "infGP_ExpedienteMatrimonioPlantilla.rpt",
                      "Expediente matrimonial"},
        CasoPlantilla{kTurel, "Expediente matrimonial", "infGP_ExpedienteMatrimonioFormato1Plantilla.rpt",
                      "Expediente matrimonial (formato 1)"},
        CasoPlantilla{kValdena, "Expediente matrimonial (formato 2)", "infGP_ExpedienteMatrimonioOtrasPlantilla.rpt",
                      "Expediente matrimonial en otras diócesis"},
        CasoPlantilla{kCorbela, "Expediente matrimonial en otras diócesis",
                      "infGP_ExpedienteMatrimonioFormato2Plantilla.rpt", "Expediente matrimonial (formato 2)"},
        CasoPlantilla{kCorbela, "Resumen de matrimonio (Allegato V). Página 1", "infGP_AtestadoPlantilla.rpt",
                      "Atestado para otras Diócesis"},
        CasoPlantilla{kValdena, "Atestado para otras Diócesis", "infGP_Allegato_V_1_Plantilla.rpt",
                      "Resumen Matrimonial (Allegato V) Página 1"},
        CasoPlantilla{kTurel, "Resumen de matrimonio (Allegato V). Página 2", "infGP_Allegato_V_2_Plantilla.rpt",
                      "Resumen Matrimonial (Allegato V) Página 2"}));

TEST_F(InformesParroquiaTest, FormatThreeWithNoAnswerPrintsNothingAndLeavesThePointer)
{
    Pulsar(QStringLiteral("Expediente matrimonial (formato 3)"), 0);
    EXPECT_EQ(m_llamadas, QStringList{QStringLiteral("InformeExpedienteFormato3Plantilla")});
    EXPECT_TRUE(m_control.impresiones().isEmpty());
    EXPECT_TRUE(m_control.llamadas().isEmpty());
    EXPECT_TRUE(testsupport::scriptedUi().pointerHistory().isEmpty());
}

TEST_F(InformesParroquiaTest, FormatThreePassesTheThreeAnswersAsFormulasAndClearsThem)
{
    m_formato3[1] = true;
    Pulsar(QStringLiteral("Expediente matrimonial (formato 3)"), 0);
    ASSERT_EQ(m_control.impresiones().size(), 1);
    const dobles::ImpresionGrabada& i = m_control.ultima();
    EXPECT_TRUE(i.plantilla.endsWith(QStringLiteral("/infGP_ExpedienteMatrimonioFormato3Plantilla.rpt")));
    EXPECT_EQ(i.titulo, QStringLiteral("Expediente matrimonial (formato 3)"));
    EXPECT_EQ(i.formulas, (QMap<int, QString>{{0, QStringLiteral("TramitaParroquia=0")},
                                              {1, QStringLiteral("EnviaCuria=1")},
                                              {2, QStringLiteral("EnviaCuriaAntes=0")}}));
    EXPECT_TRUE(m_control.FormulasEnUso().isEmpty());
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

TEST_F(InformesParroquiaTest, AnAccountingReportGoesWholeToItsMemberForTheSelectedCompany)
{
    m_estado.mlngCodEmpresaSeleccionada = 4;
    int mayor = 0;
    int presupuesto = 0;
    dobles::RegistroMock<NiceMock<MockInformesContabilidad>> contabilidad([&](MockInformesContabilidad& m) {
        ON_CALL(m, ImprimirLibroMayor(_, _, _, _, Eq(4))).WillByDefault([&] {
            ++mayor;
            EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbHourglass);
        });
        ON_CALL(m, ImprimirPresupuesto).WillByDefault(InvokeWithoutArgs([&] { ++presupuesto; }));
        ON_CALL(m, ImprimirPresupuestoAnual).WillByDefault(InvokeWithoutArgs([] { FAIL(); }));
    });
    Pulsar(QStringLiteral("Libro mayor"), 0);
    Pulsar(QStringLiteral("Plan presupuestario"), 0);
    EXPECT_EQ(mayor, 1);
    EXPECT_EQ(presupuesto, 1);
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

// Each accounting report of the tree goes to its own member, and to none other.
TEST_F(InformesParroquiaTest, EachAccountingReportCallsItsOwnMember)
{
    m_estado.mlngCodEmpresaSeleccionada = 4;
    QStringList llamadas;
    dobles::RegistroMock<NiceMock<MockInformesContabilidad>> contabilidad([&](MockInformesContabilidad& m) {
        const auto anotar = [&](const char* miembro) {
            return InvokeWithoutArgs([&llamadas, miembro] { llamadas << QString::fromLatin1(miembro); });
        };
        ON_CALL(m, ImprimirBalanceSumasySaldos).WillByDefault(anotar("BalanceSumasySaldos"));
        ON_CALL(m, ImprimirBalanceSituacion).WillByDefault(anotar("BalanceSituacion"));
        ON_CALL(m, ImprimirBalanceSituacionComp).WillByDefault(anotar("BalanceSituacionComp"));
        ON_CALL(m, ImprimirBalancePYG).WillByDefault(anotar("BalancePYG"));
        ON_CALL(m, ImprimirBalancePYGComp).WillByDefault(anotar("BalancePYGComp"));
        ON_CALL(m, ImprimirLibroDiario).WillByDefault(anotar("LibroDiario"));
        ON_CALL(m, ImprimirLibroMayor).WillByDefault(anotar("LibroMayor"));
        ON_CALL(m, ImprimirSubcuentas).WillByDefault(anotar("Subcuentas"));
        ON_CALL(m, ImprimirEpigrafes).WillByDefault(anotar("Epigrafes"));
        ON_CALL(m, ImprimirPresupuestoAnual).WillByDefault(anotar("PresupuestoAnual"));
        ON_CALL(m, ImprimirPresupuesto).WillByDefault(anotar("Presupuesto"));
        ON_CALL(m, ImprimirFacturasEmitidas).WillByDefault(anotar("FacturasEmitidas"));
        ON_CALL(m, ImprimirFacturasRecibidas).WillByDefault(anotar("FacturasRecibidas"));
    });
    const std::pair<const char*, const char*> kInformes[] = {
        {"Balance de sumas y saldos", "BalanceSumasySaldos"},
        {"Balance de situación", "BalanceSituacion"},
        {"Balance de situación comparativo", "BalanceSituacionComp"},
        {"Balance de pérdidas y ganancias", "BalancePYG"},
        {"Balance de pérdidas y ganancias comparativo", "BalancePYGComp"},
        {"Libro diario", "LibroDiario"},
        {"Libro mayor", "LibroMayor"},
        {"Listado de subcuentas", "Subcuentas"},
        {"Listado de epígrafes", "Epigrafes"},
        {"Presupuesto anual", "PresupuestoAnual"},
        {"Plan presupuestario", "Presupuesto"},
        {"Libros de IVA (facturas emitidas)", "FacturasEmitidas"},
        {"Libros de IVA (facturas recibidas)", "FacturasRecibidas"},
    };
    for (const auto& [informe, miembro] : kInformes) {
        llamadas.clear();
        Pulsar(QString::fromUtf8(informe), 0);
        EXPECT_EQ(llamadas, QStringList{QString::fromLatin1(miembro)}) << informe;
    }
}

TEST_F(InformesParroquiaTest, AFailingAccountingMemberIsReported)
{
    dobles::RegistroMock<NiceMock<MockInformesContabilidad>> contabilidad([](MockInformesContabilidad& m) {
        ON_CALL(m, ImprimirLibroDiario)
            .WillByDefault(InvokeWithoutArgs([] { throw vb::VbError(3044, QStringLiteral("Ruta no válida")); }));
    });
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    Pulsar(QStringLiteral("Libro diario"), 0);
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("Ruta no válida")));
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("cmdBotonera_Click(0)")));
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

} // namespace
