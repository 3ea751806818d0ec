#include "core/cConfigContabilidad.h"

#include <gtest/gtest.h>

namespace {

TEST(cConfigContabilidadTest, NewRecordHoldsEmptyTextsFalseFlagsAndNoIcon)
{
    const cConfigContabilidad config;
    EXPECT_TRUE(config.AppPath().isEmpty());
    EXPECT_TRUE(config.HelpPath().isEmpty());
    EXPECT_TRUE(config.AppTitle().isEmpty());
    EXPECT_TRUE(config.Usuario().isEmpty());
    EXPECT_TRUE(config.Aplicacion().isEmpty());
    EXPECT_FALSE(config.TrabajarConPesetas()); // euros unless told otherwise
    EXPECT_FALSE(config.ConsolidacionVisible());
    EXPECT_TRUE(config.Icono().isNull());
}

} // namespace
