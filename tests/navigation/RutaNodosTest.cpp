#include "navigation/RutaNodos.h"

#include <gtest/gtest.h>

namespace {

RutaNodos Arbol()
{
    RutaNodos r;
    r.Anadir(1, QStringLiteral("Raíz"), 0);
    r.Anadir(2, QStringLiteral("Vodidazaz"), 1);
    r.Anadir(3, QStringLiteral("Mantenimiento"), 2);
    r.Anadir(4, QStringLiteral("Gestión Parroquial"), 1);
    r.Anadir(5, QStringLiteral("Mantenimiento"), 4);
    r.Anadir(6, QStringLiteral("Huérfano"), 99);  // parent without a row
    r.Anadir(7, QStringLiteral("A"), 8);          // 7 and 8 form a cycle
    r.Anadir(8, QStringLiteral("B"), 7);
    return r;
}

struct Caso {
    int id;
    const char* esperado;
};

class RutaNodosCasos : public ::testing::TestWithParam<Caso> {};

TEST_P(RutaNodosCasos, JoinsTheCaptionsFromTheTopDown)
{
    EXPECT_EQ(Arbol().Captions(GetParam().id), QString::fromUtf8(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(Cadenas, RutaNodosCasos,
                         ::testing::Values(Caso {1, "Raíz"}, Caso {3, "Raíz\\Vodidazaz\\Mantenimiento"},
                                           Caso {5, "Raíz\\Gestión Parroquial\\Mantenimiento"},
                                           // The walk ends at a missing parent or a node met twice.
                                           Caso {6, "Huérfano"}, Caso {7, "B\\A"}, Caso {8, "A\\B"},
                                           Caso {42, ""}));

} // namespace
