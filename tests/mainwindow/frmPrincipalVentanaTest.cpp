#include "mainwindow/BandaSeparador.h"
#include "mainwindow/VentanaPrueba.h"

#include "navigation/ArbolNodos.h"

#include "platform/vb/Twips.h"

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
    EXPECT_EQ(v.tvTreeView->x(), 0);
    EXPECT_EQ(v.tvTreeView->width(), vb::TwipsToPixelsX(1965));
    EXPECT_EQ(v.imgSplitter->x(), v.tvTreeView->width());
    EXPECT_EQ(v.msgPrincipal->x(), v.imgSplitter->x() + v.imgSplitter->width());
    EXPECT_EQ(v.tvTreeView->y(), v.picTitles->y() + v.picTitles->height() + vb::TwipsToPixelsY(45));
    EXPECT_EQ(v.picTitles->x(), vb::TwipsToPixelsX(30));
    EXPECT_GT(v.tvTreeView->height(), 200);
    EXPECT_EQ(v.lblTitle->text(), "Norvia Parvanta 2000");
}

TEST_F(VentanaMostrada, HidingTheStatusBarGrowsTheTree)
{
    frmPrincipal& v = Mostrada(Cargada());
    const int alto = v.tvTreeView->height();
    v.Menu(QStringLiteral("mnuVerBarraEstado"))->trigger();
    EXPECT_FALSE(v.Menu(QStringLiteral("mnuVerBarraEstado"))->isChecked());
    EXPECT_TRUE(v.sbStatusBar->isHidden());
    EXPECT_NEAR(v.tvTreeView->height(), alto + v.sbStatusBar->sizeHint().height(), 2);
    v.Menu(QStringLiteral("mnuVerBarraEstado"))->trigger();
    EXPECT_FALSE(v.sbStatusBar->isHidden());
    EXPECT_EQ(v.tvTreeView->height(), alto);
}

TEST_F(VentanaMostrada, HidingTheToolbarMovesTheTitleStripUp)
{
    frmPrincipal& v = Mostrada(Cargada());
    const int arriba = v.tvTreeView->y();
    v.Menu(QStringLiteral("mnuVerBarraHerramientas"))->trigger();
    EXPECT_TRUE(v.cbPrincipal->isHidden());
    EXPECT_EQ(v.picTitles->y(), vb::TwipsToPixelsY(30));
    EXPECT_LT(v.tvTreeView->y(), arriba);
}

TEST_F(VentanaMostrada, DraggingTheSplitterTooFarLeftSnapsTheTreeTo3000)
{
    frmPrincipal& v = Mostrada(Cargada());
    emit v.imgSplitter->MouseDown(0);
    EXPECT_TRUE(v.picSplitter->isVisible());
    emit v.imgSplitter->MouseMove(-1000);
    EXPECT_EQ(v.picSplitter->x(), vb::TwipsToPixelsX(500));
    EXPECT_EQ(v.tvTreeView->width(), vb::TwipsToPixelsX(1965)) << "panes stay during the drag";
    emit v.imgSplitter->MouseUp(-1000);
    EXPECT_FALSE(v.picSplitter->isVisible());
    EXPECT_EQ(v.SplitterLeft(), 3000);
    EXPECT_EQ(v.tvTreeView->width(), vb::TwipsToPixelsX(3000));
}

TEST_F(VentanaMostrada, DraggingWithinBoundsMovesTheSplitter)
{
    frmPrincipal& v = Mostrada(Cargada());
    emit v.imgSplitter->MouseDown(0);
    emit v.imgSplitter->MouseMove(60);
    emit v.imgSplitter->MouseUp(60);
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
    v.MostrarTituloNodo(v.tvTreeView->PorClave(QStringLiteral("c22")), true);
    EXPECT_EQ(v.lblTitle->text(), "Libros de Bautismo");
    EXPECT_FALSE(v.imgTitle->pixmap().isNull());
    EXPECT_EQ(v.imgTitle->x(), v.picTitles->width() - vb::TwipsToPixelsX(600));
    v.MostrarTituloNodo(v.tvTreeView->PorClave(QStringLiteral("c2")), false);
    EXPECT_EQ(v.lblTitle->text(), "Bancos");
}

TEST_F(VentanaMostrada, ActivationAfterTheTaskDialogSkipsTheLayoutOnce)
{
    frmPrincipal& v = Mostrada(Cargada());
    v.mblnRefresh = true;
    v.Form_Activate();
    EXPECT_FALSE(v.mblnRefresh);
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
    EXPECT_EQ(v.mlngCodEmpresaSeleccionada, 4);
    EXPECT_TRUE(v.mblnEjercicioCerrado);
}

// Writes a picture of the loaded window when DUZ_CAPTURA_PRINCIPAL names a
// file (run under xvfb-run with QT_QPA_PLATFORM=xcb to see real fonts).
TEST_F(VentanaMostrada, Captura)
{
    const QString destino = qEnvironmentVariable("DUZ_CAPTURA_PRINCIPAL");
    if (destino.isEmpty())
        GTEST_SKIP() << "DUZ_CAPTURA_PRINCIPAL not set";
    frmPrincipal& v = Mostrada(Cargada());
    v.tvTreeView->SetExpandido(v.tvTreeView->PorClave(QStringLiteral("c1")), true);
    v.tvTreeView->SetExpandido(v.tvTreeView->PorClave(QStringLiteral("c14")), true);
    v.tvTreeView->SetExpandido(v.tvTreeView->PorClave(QStringLiteral("c20")), true);
    QTest::qWait(300);
    Procesar();
    EXPECT_TRUE(v.grab().save(destino));
}

} // namespace
