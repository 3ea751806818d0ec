#include "platform/pvapi/cCRegistry.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using PVAPI::cCRegistry;

TEST(cCRegistryTest, TwentyFourDistinctNamesWhateverTheCase)
{
    const QStringList nombres = cCRegistry::Nombres();
    ASSERT_EQ(nombres.size(), 24);
    QSet<QString> distintos;
    for (const QString& nombre : nombres) {
        EXPECT_FALSE(nombre.isEmpty());
        // The store compares names without regard to case, and nests sections at "\".
        EXPECT_FALSE(nombre.contains(QLatin1Char('\\'))) << nombre.toStdString();
        distintos.insert(nombre.toLower());
    }
    EXPECT_EQ(distintos.size(), 24);
}

TEST(cCRegistryTest, PrincipalIsTheLiteralRootSection)
{
    EXPECT_EQ(cCRegistry::PRINCIPAL(), QStringLiteral("PRINCIPAL"));
}

} // namespace
