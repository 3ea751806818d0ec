#include "addin_doubles/MockGestPar.h"
#include "addin_doubles/MockInformesContabilidad.h"
#include "addin_doubles/MockVodidazaz.h"
#include "addin_doubles/RegistroMock.h"
#include "core/AjustesUsuario.h"
#include "core/RegistroComandos.h"
#include "dialogs/frmOpciones.h"
#include "navigation/ArbolNodos.h"
#include "reports/ComandosInformes.h"
#include "reports/FixtureInformes.h"
#include "reports/frmViewInforme.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

using ::testing::_;
using ::testing::NiceMock;

namespace {

class frmViewInformeTest : public FixtureInformes {
protected:
    static void Seleccionar(frmViewInforme& frm, const QString& caption)
    {
        QTreeWidgetItem* nodo = frm.trvCliente()->PorClave(caption);
        ASSERT_NE(nodo, nullptr) << caption.toStdString();
        frm.trvCliente()->setCurrentItem(nodo);
    }

    dobles::RegistroMock<NiceMock<dobles::MockVodidazaz>> m_vodidazaz;
    dobles::RegistroMock<NiceMock<dobles::MockGestPar>> m_gestPar;
    dobles::RegistroMock<NiceMock<dobles::MockInformesContabilidad>> m_contabilidad;
};

TEST_F(frmViewInformeTest, OpensWithItsCaptionTheDesignButtonsAndTheArrowPointer)
{
    testsupport::scriptedUi().setMousePointer(ui::vbHourglass);
    frmViewInforme frm(Contexto());
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Ver Informes"));
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
    EXPECT_EQ(frm.cmdBotonera(0)->text(), QStringLiteral("&Todos"));
    EXPECT_EQ(frm.cmdBotonera(1)->text(), QStringLiteral("&Seleccionar"));
    EXPECT_EQ(frm.cmdBotonera(2)->text(), QStringLiteral("&Cerrar"));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(frm.cmdBotonera(i)->isEnabled());
    EXPECT_TRUE(frm.cmdBotonera(0)->isDefault());
    EXPECT_TRUE(frm.mstrNodo().isEmpty());
    EXPECT_FALSE(frm.nvbpInformes()->isVisibleTo(&frm));
}

TEST_F(frmViewInformeTest, AFailedLoadIsReportedAndTheWindowStillOpensWithTheArrow)
{
    m_den.conLocal.Execute(QStringLiteral("DROP TABLE Informe"));
    testsupport::scriptedUi().setMousePointer(ui::vbHourglass);
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    frmViewInforme frm(Contexto());
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("Form_Load()")));
    EXPECT_TRUE(Mensajes()[0].contains(QStringLiteral("frmViewInforme ")));
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Ver Informes"));
    EXPECT_EQ(frm.trvCliente()->Count(), 0);
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

TEST_F(frmViewInformeTest, TheBranchOfEveryAbsentAddInIsLeftOut)
{
    m_config.VodidazazDLL = false;
    m_config.ContabilidadDLL = false;
    frmViewInforme frm(Contexto());
    EXPECT_EQ(frm.trvCliente()->PorClave(QStringLiteral("Vodidazaz")), nullptr);
    EXPECT_EQ(frm.trvCliente()->PorClave(QStringLiteral("Remesas")), nullptr);
    EXPECT_EQ(frm.trvCliente()->PorClave(QStringLiteral("Libro diario")), nullptr);
    EXPECT_NE(frm.trvCliente()->PorClave(QStringLiteral("Gestión Parroquial")), nullptr);
}

TEST_F(frmViewInformeTest, SelectingANodeSetsTheFirstCaptionAndBothStates)
{
    frmViewInforme frm(Contexto());
    Seleccionar(frm, QStringLiteral("Libro diario"));
    EXPECT_EQ(frm.mstrNodo(), QStringLiteral("Libro diario"));
    EXPECT_EQ(frm.cmdBotonera(0)->text(), QStringLiteral("Aceptar"));
    EXPECT_TRUE(frm.cmdBotonera(0)->isEnabled());
    EXPECT_FALSE(frm.cmdBotonera(1)->isEnabled());

    Seleccionar(frm, QStringLiteral("Remesas"));
    EXPECT_EQ(frm.cmdBotonera(0)->text(), QStringLiteral("Todos"));
    EXPECT_TRUE(frm.cmdBotonera(0)->isEnabled());
    EXPECT_TRUE(frm.cmdBotonera(1)->isEnabled());

    Seleccionar(frm, QStringLiteral("Plantillas"));
    EXPECT_EQ(frm.cmdBotonera(0)->text(), QStringLiteral("Aceptar"));
    EXPECT_FALSE(frm.cmdBotonera(0)->isEnabled());
    EXPECT_FALSE(frm.cmdBotonera(1)->isEnabled());

    Seleccionar(frm, QStringLiteral("Contabilidad"));
    EXPECT_EQ(frm.cmdBotonera(0)->text(), QStringLiteral("Todos"));
    EXPECT_FALSE(frm.cmdBotonera(1)->isEnabled());
}

TEST_F(frmViewInformeTest, APrintPressBeforeAnyReportWasChosenSaysSoAndLeavesTheWindowEnabled)
{
    frmViewInforme frm(Contexto());
    testsupport::scriptedUi().queueAnswers({ui::vbOK, ui::vbOK});
    frm.cmdBotonera_Click(0);
    frm.cmdBotonera_Click(1);
    EXPECT_EQ(Mensajes(), QStringList(2, QStringLiteral("¡Seleccione en el árbol el informe que desea imprimir!")));
    EXPECT_TRUE(frm.isEnabled());
    EXPECT_TRUE(m_control.impresiones().isEmpty());
}

TEST_F(frmViewInformeTest, EscOpensTheOptionsOnTheDocumentsPageWithTwoTabs)
{
    QStringList pestanas;
    int seleccionada = -1;
    ContextoInformes ctx = Contexto();
    ctx.ejecutarDialogo = [&](QDialog& dialogo) {
        auto& opciones = static_cast<frmOpciones&>(dialogo);
        for (int i = 0; i < opciones.tbsOptions()->count(); ++i)
            pestanas << opciones.tbsOptions()->tabText(i);
        seleccionada = opciones.tbsOptions()->currentIndex();
        return int(QDialog::Rejected);
    };
    frmViewInforme frm(ctx);
    QTest::keyClick(&frm, Qt::Key_Escape);
    EXPECT_EQ(pestanas, (QStringList{QStringLiteral("Documentos"), QStringLiteral("Deducciones Modelo 182")}));
    EXPECT_EQ(seleccionada, 0);
    EXPECT_EQ(frm.result(), 0);
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join(QLatin1Char('|')).toStdString();
}

TEST_F(frmViewInformeTest, EnterOnTheTreePressesTheFirstButtonUnderItsCaption)
{
    int remesas = 0;
    dobles::RegistroMock<NiceMock<dobles::MockVodidazaz>> vodidazaz([&](dobles::MockVodidazaz& m) {
        ON_CALL(m, InformeRemesas).WillByDefault([&] { ++remesas; });
    });
    frmViewInforme frm(Contexto());
    frm.show();
    Seleccionar(frm, QStringLiteral("Remesas"));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);  // the empty table
    QTest::keyClick(frm.trvCliente(), Qt::Key_Return);
    EXPECT_EQ(remesas, 1);
    EXPECT_TRUE(frm.isVisible());
    frm.hide();
}

TEST_F(frmViewInformeTest, DoubleClickRunsTheTodosBranchOfAReportOnly)
{
    int etiquetas = 0;
    dobles::RegistroMock<NiceMock<dobles::MockVodidazaz>> vodidazaz([&](dobles::MockVodidazaz& m) {
        ON_CALL(m, InformeEtiquetas).WillByDefault([&] { ++etiquetas; });
    });
    frmViewInforme frm(Contexto());
    Seleccionar(frm, QStringLiteral("Informes"));
    frm.trvCliente_DblClick();
    EXPECT_EQ(etiquetas, 0);
    EXPECT_TRUE(Mensajes().isEmpty());

    Seleccionar(frm, QStringLiteral("Etiquetas"));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);  // the empty table
    frm.trvCliente_DblClick();
    EXPECT_EQ(etiquetas, 1);
    EXPECT_EQ(Mensajes(), QStringList{QStringLiteral("¡No se ha encontrado ningún registro!")});
    EXPECT_TRUE(frm.isEnabled());
}

TEST_F(frmViewInformeTest, CerrarSavesTheStateOfEveryNode)
{
    {
        frmViewInforme frm(Contexto());
        frm.trvCliente()->SetExpandido(frm.trvCliente()->PorClave(QStringLiteral("Informes y documentos")), true);
        frm.cmdBotonera_Click(2);
    }
    const AjustesUsuario a{m_estado.appTitle, m_config.Usuario, m_config.idioma};
    EXPECT_EQ(a.Leer(a.SeccionNodo(QStringLiteral("Informes y documentos")), QStringLiteral("Expandido")),
              QStringLiteral("1"));
    EXPECT_EQ(a.Leer(a.SeccionNodo(QStringLiteral("Informes y documentos\\Vodidazaz")), QStringLiteral("Expandido")),
              QStringLiteral("0"));
}

TEST_F(frmViewInformeTest, TheMenuCommandOpensTheViewerUnderTheHourglass)
{
    RegistroComandos comandos;
    QString titulo;
    ui::MousePointer puntero = ui::vbHourglass;
    RegistrarComandosInformes(comandos, Contexto(), [&](frmViewInforme& frm) {
        titulo = frm.windowTitle();
        puntero = testsupport::scriptedUi().mousePointer();
    });
    comandos.Ejecutar(QStringLiteral("mnuVerInformes"));
    EXPECT_EQ(titulo, QStringLiteral("Ver Informes"));
    EXPECT_EQ(puntero, ui::vbDefault);
    EXPECT_EQ(testsupport::scriptedUi().pointerHistory().first(), ui::vbHourglass);
}

} // namespace
