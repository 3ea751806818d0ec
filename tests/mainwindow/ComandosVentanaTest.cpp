// The window's commands that reach outside it: the web pages of the Help
// menu.

#include "mainwindow/ComandosVentana.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

TEST(ComandosVentana, APageNoBrowserOpensIsGivenToTheUserToType)
{
    testsupport::scriptedUi().setOpenResult(false);
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    ComandosVentana::AbrirPaginaWeb(ComandosVentana::PaginaOrbe());

    EXPECT_EQ(testsupport::scriptedUi().openedUrls(), QStringList{ComandosVentana::PaginaOrbe()});
    ASSERT_EQ(testsupport::scriptedUi().messages().size(), 1);
    EXPECT_TRUE(testsupport::scriptedUi().messages().at(0).text.endsWith(ComandosVentana::PaginaOrbe()));
}

} // namespace
