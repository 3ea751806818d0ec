#include "core/Coleccion.h"

#include "platform/vb/VbError.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

using testsupport::ErrorNumberOf;
using Textos = Coleccion<QString>;

Textos Tres()
{
    Textos c;
    c.Add(std::make_shared<QString>(QStringLiteral("uno")), QStringLiteral(" 1"));
    c.Add(std::make_shared<QString>(QStringLiteral("dos")), QStringLiteral("Clave"));
    c.Add(std::make_shared<QString>(QStringLiteral("tres")), QStringLiteral(" 3"));
    return c;
}

TEST(Coleccion, ReachesItemsByPositionAndByKeyIgnoringCase)
{
    const Textos c = Tres();
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(*c.Item(1), "uno");
    EXPECT_EQ(*c.Item(QStringLiteral("CLAVE")), "dos");
    EXPECT_EQ(c.Posicion(QStringLiteral(" 3")), 3);
    EXPECT_EQ(c.Posicion(QStringLiteral("3")), 0) << "the leading blank is part of the key";
}

TEST(Coleccion, RemovingShiftsLaterPositions)
{
    Textos c = Tres();
    c.Remove(1);
    EXPECT_EQ(*c.Item(1), "dos");
    c.Remove(QStringLiteral("clave"));
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(*c.Item(1), "tres");
}

TEST(Coleccion, FailsLikeTheOldCollection)
{
    Textos c = Tres();
    EXPECT_EQ(ErrorNumberOf([&] { c.Add(std::make_shared<QString>(), QStringLiteral("clave")); }), 457);
    EXPECT_EQ(ErrorNumberOf([&] { c.Item(0); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { c.Item(4); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { c.Remove(0); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { c.Item(QStringLiteral(" 9")); }), 5);
    EXPECT_EQ(c.Count(), 3);
}

} // namespace
