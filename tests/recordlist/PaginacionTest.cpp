#include "recordlist/PaginacionLista.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

struct CasoPaginacion {
    long filas;
    qint32 inicio;
    const char* boton;
    qint32 nuevoInicio;
    bool rellenar;
};

class Paginacion : public ::testing::TestWithParam<CasoPaginacion> {};

TEST_P(Paginacion, MovesThePageStart)
{
    const CasoPaginacion& c = GetParam();
    const auto r = PaginacionLista::Mover(
        QString::fromLatin1(c.boton), c.inicio, 24, [&] { return c.filas; }, [&](qint64 k) { return k <= c.filas; });
    EXPECT_EQ(r.posInicial, c.nuevoInicio);
    EXPECT_EQ(r.rellenar, c.rellenar);
}

INSTANTIATE_TEST_SUITE_P(
    EjemplosConN24, Paginacion,
    ::testing::Values(CasoPaginacion{30, 1, "nextReg", 25, true}, CasoPaginacion{30, 25, "nextReg", 25, false},
                      CasoPaginacion{30, 1, "lastReg", 7, true}, CasoPaginacion{30, 25, "lastReg", 7, true},
                      CasoPaginacion{30, 7, "prevReg", 1, true}, CasoPaginacion{47, 24, "prevReg", 1, true},
                      CasoPaginacion{48, 1, "nextReg", 25, true}, CasoPaginacion{24, 1, "nextReg", 1, false},
                      CasoPaginacion{24, 1, "lastReg", 1, true}, CasoPaginacion{10, 1, "lastReg", 1, false},
                      CasoPaginacion{10, 5, "lastReg", 1, false}, CasoPaginacion{100, 1, "prevReg", 1, true},
                      CasoPaginacion{100, 60, "prevReg", 36, true}, CasoPaginacion{100, 60, "firstReg", 1, true},
                      CasoPaginacion{0, 1, "nextReg", 1, false}, CasoPaginacion{100, 60, "NextReg", 60, false}));

TEST(Paginacion, FirstPreviousAndNextNeedNoRowCount)
{
    int cuentas = 0;
    const auto contar = [&] {
        ++cuentas;
        return 100L;
    };
    QList<qint64> posiciones;
    const auto hayFila = [&](qint64 k) {
        posiciones << k;
        return true;
    };
    PaginacionLista::Mover(QStringLiteral("firstReg"), 50, 24, contar, hayFila);
    PaginacionLista::Mover(QStringLiteral("prevReg"), 50, 24, contar, hayFila);
    EXPECT_EQ(cuentas, 0);
    EXPECT_TRUE(posiciones.isEmpty());
    // Next asks only for the first row of the page after the current one.
    PaginacionLista::Mover(QStringLiteral("nextReg"), 50, 24, contar, hayFila);
    EXPECT_EQ(cuentas, 0);
    EXPECT_EQ(posiciones, QList<qint64>{74});
}

TEST(Paginacion, KeysAreCaseSensitive)
{
    EXPECT_TRUE(PaginacionLista::EsClavePaginacion(QStringLiteral("lastReg")));
    EXPECT_FALSE(PaginacionLista::EsClavePaginacion(QStringLiteral("LastReg")));
    EXPECT_FALSE(PaginacionLista::EsClavePaginacion(QStringLiteral("Filtro")));
}

} // namespace
