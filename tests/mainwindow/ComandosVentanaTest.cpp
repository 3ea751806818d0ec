// The window's commands that reach outside it: the printer set-up and the
// web pages of the Help menu.

#include "mainwindow/ComandosVentana.h"

#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "support/TestEnvironment.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

TEST(ComandosVentana, APageNoBrowserOpensIsGivenToTheUserToType)
{
    QList<QUrl> abiertas;
    const auto anterior = ComandosVentana::EstablecerAbridorPaginas([&](const QUrl& url) {
        abiertas << url;
        return false;
    });
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    ComandosVentana::AbrirPaginaWeb(ComandosVentana::PaginaOrbe());
    ComandosVentana::EstablecerAbridorPaginas(anterior);

    EXPECT_EQ(abiertas, QList<QUrl>{QUrl(ComandosVentana::PaginaOrbe())});
    ASSERT_EQ(testsupport::scriptedUi().messages().size(), 1);
    EXPECT_TRUE(testsupport::scriptedUi().messages().at(0).text.endsWith(ComandosVentana::PaginaOrbe()));
}

TEST(ComandosVentana, ThePrinterSetUpCollatesAndACancelEndsIt)
{
    bool intercalar = false;
    const auto anterior = widgets::DialogoRegistroEjecutor::Establecer([&](QDialog& d) {
        auto* dialogo = qobject_cast<QPrintDialog*>(&d);
        EXPECT_NE(dialogo, nullptr);
        if (dialogo)
            intercalar = dialogo->printer()->collateCopies();
        return int(QDialog::Rejected);
    });
    ComandosVentana::ConfigurarImpresora(nullptr);
    widgets::DialogoRegistroEjecutor::Establecer(anterior);
    EXPECT_TRUE(intercalar);
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
}

} // namespace
