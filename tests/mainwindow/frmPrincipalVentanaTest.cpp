#include "mainwindow/BandaSeparador.h"
#include "mainwindow/Controles.h"
#include "mainwindow/VentanaPrueba.h"

#include "navigation/ArbolNodos.h"

#include "platform/vb/Twips.h"
#include "platform/widgets/NvList.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using VentanaMostrada = VentanaPrueba;

void Procesar()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

frmPrincipal& Mostrada(frmPrincipal& v)
{
    v.Mostrar();
    Procesar();
    return v;
}

TEST_F(VentanaMostrada, PanesFollowTheSplitter)
{
    frmPrincipal& v = Mostrada(Cargada());
    const auto& separador = Control<BandaSeparador>(v, "imgSplitter");
    const auto& titulos = Control<QFrame>(v, "picTitles");
    EXPECT_EQ(Arbol().x(), 0);
    EXPECT_EQ(Arbol().width(), vb::TwipsToPixelsX(1965));
    EXPECT_EQ(separador.x(), Arbol().width());
    EXPECT_EQ(Control<widgets::NvList>(v, "msgPrincipal").x(), separador.x() + separador.width());
    EXPECT_EQ(Arbol().y(), titulos.y() + titulos.height() + vb::TwipsToPixelsY(45));
    EXPECT_EQ(titulos.x(), vb::TwipsToPixelsX(30));
    EXPECT_GT(Arbol().height(), 200);
    EXPECT_EQ(Control<QLabel>(v, "lblTitle").text(), "Norvia Parvanta 2000");
}

TEST_F(VentanaMostrada, HidingTheStatusBarGrowsTheTree)
{
    frmPrincipal& v = Mostrada(Cargada());
    const auto& barraEstado = Control<QStatusBar>(v, "sbStatusBar");
    const int alto = Arbol().height();
    v.Menu(QStringLiteral("mnuVerBarraEstado"))->trigger();
    EXPECT_FALSE(v.Menu(QStringLiteral("mnuVerBarraEstado"))->isChecked());
    EXPECT_TRUE(barraEstado.isHidden());
    EXPECT_NEAR(Arbol().height(), alto + barraEstado.sizeHint().height(), 2);
    v.Menu(QStringLiteral("mnuVerBarraEstado"))->trigger();
    EXPECT_FALSE(barraEstado.isHidden());
    EXPECT_EQ(Arbol().height(), alto);
}

TEST_F(VentanaMostrada, HidingTheToolbarMovesTheTitleStripUp)
{
    frmPrincipal& v = Mostrada(Cargada());
    const int arriba = Arbol().y();
    v.Menu(QStringLiteral("mnuVerBarraHerramientas"))->trigger();
    EXPECT_TRUE(Control<QWidget>(v, "cbPrincipal").isHidden());
    EXPECT_EQ(Control<QFrame>(v, "picTitles").y(), vb::TwipsToPixelsY(30));
    EXPECT_LT(Arbol().y(), arriba);
}

TEST_F(VentanaMostrada, DraggingTheSplitterTooFarLeftSnapsTheTreeTo3000)
{
    frmPrincipal& v = Mostrada(Cargada());
    auto& separador = Control<BandaSeparador>(v, "imgSplitter");
    const auto& barraArrastre = Control<QFrame>(v, "picSplitter");
    emit separador.MouseDown(0);
    EXPECT_TRUE(barraArrastre.isVisible());
    emit separador.MouseMove(-1000);
    EXPECT_EQ(barraArrastre.x(), vb::TwipsToPixelsX(500));
    EXPECT_EQ(Arbol().width(), vb::TwipsToPixelsX(1965)) << "panes stay during the drag";
    emit separador.MouseUp(-1000);
    EXPECT_FALSE(barraArrastre.isVisible());
    EXPECT_EQ(v.SplitterLeft(), 3000);
    EXPECT_EQ(Arbol().width(), vb::TwipsToPixelsX(3000));
}

TEST_F(VentanaMostrada, DraggingWithinBoundsMovesTheSplitter)
{
    frmPrincipal& v = Mostrada(Cargada());
    auto& separador = Control<BandaSeparador>(v, "imgSplitter");
    emit separador.MouseDown(0);
    emit separador.MouseMove(60);
    emit separador.MouseUp(60);
    EXPECT_NEAR(v.SplitterLeft(), 1965 + vb::PixelsToTwipsX(60), 15);
}

TEST_F(VentanaMostrada, ANormalWindowKeepsItsMinimumSize)
{
    frmPrincipal& v = Mostrada(Cargada());
    v.resize(100, 100);
    Procesar();
    EXPECT_GE(vb::PixelsToTwipsX(v.width()), 6000 - 15);
    EXPECT_GE(vb::PixelsToTwipsY(v.height()), 5000 - 15);
}

TEST_F(VentanaMostrada, TheTitleStripNamesTheSacramentOfBookNodes)
{
    frmPrincipal& v = Mostrada(Cargada());
    const auto& titulo = Control<QLabel>(v, "lblTitle");
    const auto& imagen = Control<QLabel>(v, "imgTitle");
    v.MostrarTituloNodo(Arbol().PorClave(QStringLiteral("c22")), true);
    EXPECT_EQ(titulo.text(), "Libros de Bautismo");
    EXPECT_FALSE(imagen.pixmap().isNull());
    EXPECT_EQ(imagen.x(), Control<QFrame>(v, "picTitles").width() - vb::TwipsToPixelsX(600));
    v.MostrarTituloNodo(Arbol().PorClave(QStringLiteral("c2")), false);
    EXPECT_EQ(titulo.text(), "Bancos");
}

TEST_F(VentanaMostrada, EveryNodeHasItsTitlePicture)
{
    frmPrincipal& v = Mostrada(Cargada());
    auto& imagen = Control<QLabel>(v, "imgTitle");
    ASSERT_EQ(Arbol().Count(), 55);
    for (int i = 1; i <= Arbol().Count(); ++i) {
        imagen.clear();
        v.MostrarTituloNodo(Arbol().Nodo(i), true);
        EXPECT_FALSE(imagen.pixmap().isNull()) << ArbolNodos::Texto(Arbol().Nodo(i)).toStdString();
    }
}

// The trays show a preview under the list: fixed captions beside the
// sender, recipient and message, and the envelope at the right.
TEST_F(VentanaMostrada, TheMessagePreviewHasItsCaptionsAndPicture)
{
    frmPrincipal& v = Mostrada(Cargada());
    const auto& panel = Control<QFrame>(v, "picMensaje");
    const QStringList esperados = {QStringLiteral("De:"), QStringLiteral("Para:"), QStringLiteral("Mensaje:")};
    for (int i = 0; i < 3; ++i) {
        const QString nombre = QStringLiteral("lblInfoMsg%1").arg(i);
        const auto* valor = panel.findChild<QLabel*>(nombre);
        ASSERT_TRUE(valor) << nombre.toStdString();
        const QLabel* caption = nullptr;
        for (const QLabel* etiqueta : panel.findChildren<QLabel*>()) {
            if (etiqueta->text() == esperados.at(i))
                caption = etiqueta;
        }
        ASSERT_TRUE(caption) << esperados.at(i).toStdString();
        EXPECT_EQ(caption->y(), valor->y()) << "on the row of its value";
        EXPECT_LE(caption->x() + caption->width(), valor->x()) << "left of its value";
        EXPECT_GE(caption->width(), caption->sizeHint().width()) << "shown whole";
    }
    const auto& imagen = Control<QLabel>(panel, "imgCorreo");
    EXPECT_FALSE(imagen.pixmap().isNull());
}

TEST_F(VentanaMostrada, ActivationAfterTheTaskDialogSkipsTheLayoutOnce)
{
    frmPrincipal& v = Mostrada(Cargada());
    v.Estado().mblnRefresh = true;
    v.Form_Activate();
    EXPECT_FALSE(v.Estado().mblnRefresh);
    EXPECT_TRUE(informes.isEmpty());
}

TEST_F(VentanaMostrada, TheStartUpReachesTheTreeThroughTheCompanyInterface)
{
    frmPrincipal& v = Ventana();
    IEmpresaPrincipal* empresa = v.Empresa();
    EXPECT_TRUE(v.Cargado()) << "reaching the tree loads the window";
    EXPECT_FALSE(v.isVisible());
    int indice = 0;
    for (int i = 1; i <= empresa->ContarNodos(); ++i) {
        if (empresa->TextoNodo(i) == QLatin1String("<>"))
            indice = i;
    }
    ASSERT_GT(indice, 0);
    empresa->CambiarTextoNodo(indice, QStringLiteral("<PQ - 2005>"));
    empresa->EstablecerEmpresaSeleccionada(4, true);
    EXPECT_EQ(empresa->TextoNodo(indice), "<PQ - 2005>");
    EXPECT_EQ(v.Estado().mlngCodEmpresaSeleccionada, 4);
    EXPECT_TRUE(v.Estado().mblnEjercicioCerrado);
}

// Writes a picture of the loaded window when DUZ_CAPTURA_PRINCIPAL names a
// file (run under xvfb-run with QT_QPA_PLATFORM=xcb to see real fonts).
TEST_F(VentanaMostrada, Captura)
{
    const QString destino = qEnvironmentVariable("DUZ_CAPTURA_PRINCIPAL");
    if (destino.isEmpty())
        GTEST_SKIP() << "DUZ_CAPTURA_PRINCIPAL not set";
    frmPrincipal& v = Mostrada(Cargada());
    Arbol().SetExpandido(Arbol().PorClave(QStringLiteral("c1")), true);
    Arbol().SetExpandido(Arbol().PorClave(QStringLiteral("c14")), true);
    Arbol().SetExpandido(Arbol().PorClave(QStringLiteral("c20")), true);
    QTest::qWait(300);
    Procesar();
    EXPECT_TRUE(v.grab().save(destino));
}

} // namespace
