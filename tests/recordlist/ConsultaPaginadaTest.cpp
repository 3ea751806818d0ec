#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "recordlist/ConsultaPaginada.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Ten people, two of each surname, ids 1 to 10 in name order.
class ConsultaPaginadaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString ruta = dir.filePath(QStringLiteral("Prueba.mdb"));
        db::CreateDatabase(ruta);
        con.Open(QStringLiteral("Data Source=%1").arg(ruta));
        con.Execute(QStringLiteral("CREATE TABLE Persona (IDPersona COUNTER PRIMARY KEY, Nombre TEXT(20), Apellido TEXT(20))"));
        for (int i = 1; i <= 10; ++i)
            con.Exec(QStringLiteral("INSERT INTO Persona (Nombre, Apellido) VALUES (?, ?)"),
                     {QStringLiteral("N%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("A%1").arg((i + 1) / 2)});
    }

    static QList<qint64> Ids(const db::RowBlock& bloque)
    {
        QList<qint64> ids;
        for (int r = 0; r < bloque.RecordCount(); ++r)
            ids << bloque(bloque.FieldCount() - 1, r).toInt64();
        return ids;
    }

    QTemporaryDir dir;
    db::Connection con;
};

struct CasoPagina {
    const char* sql;
    long inicio;
    long filas;
    QList<qint64> ids;
    long total;
};

class Paginas : public ConsultaPaginadaTest, public ::testing::WithParamInterface<CasoPagina> {};

TEST_P(Paginas, ReadOnlyThePageAskedFor)
{
    const CasoPagina& c = GetParam();
    ConsultaPaginada consulta(con, QString::fromUtf8(c.sql));
    EXPECT_EQ(Ids(consulta.LeerPagina(c.inicio, c.filas)), c.ids);
    EXPECT_EQ(consulta.RecordCount(), c.total);
}

const char kOrdenado[] = "SELECT Nombre, IDPersona FROM Persona ORDER BY Nombre";

INSTANTIATE_TEST_SUITE_P(
    Consultas, Paginas,
    ::testing::Values(CasoPagina{kOrdenado, 1, 3, {1, 2, 3}, 10}, CasoPagina{kOrdenado, 4, 3, {4, 5, 6}, 10},
                      CasoPagina{kOrdenado, 9, 3, {9, 10}, 10}, CasoPagina{kOrdenado, 11, 3, {}, 10},
                      CasoPagina{kOrdenado, 1, 0, {}, 10},
                      CasoPagina{"SELECT Nombre, IDPersona FROM Persona ORDER BY Nombre DESC;\r\n", 1, 2, {10, 9}, 10},
                      CasoPagina{"SELECT TOP 4 Nombre, IDPersona FROM Persona ORDER BY Nombre", 3, 5, {3, 4}, 4},
                      CasoPagina{"SELECT DISTINCT Apellido, 0 AS Id FROM Persona", 1, 10, {0, 0, 0, 0, 0}, 5},
                      CasoPagina{"SELECT Nombre, IDPersona FROM Persona WHERE IDPersona > 100", 1, 24, {}, 0}));

TEST_F(ConsultaPaginadaTest, ParametersAreBoundBeforeThePageLimits)
{
    ConsultaPaginada consulta(con, QStringLiteral("SELECT Nombre, IDPersona FROM Persona WHERE Apellido = ? OR Nombre LIKE ? "
                                                  "ORDER BY Nombre"),
                              {db::Value("A2"), db::Value("%10")});
    EXPECT_EQ(Ids(consulta.LeerPagina(2, 5)), (QList<qint64>{4, 10}));
    EXPECT_EQ(consulta.RecordCount(), 3);
}

TEST_F(ConsultaPaginadaTest, ARepeatedReadGivesTheSameRowsAndTheCountIsTakenOnce)
{
    ConsultaPaginada consulta(con, QString::fromUtf8(kOrdenado));
    EXPECT_EQ(consulta.RecordCount(), 10);
    EXPECT_EQ(Ids(consulta.LeerPagina(5, 4)), (QList<qint64>{5, 6, 7, 8}));
    // Rows changed after the reads do not change what this object gives.
    con.Execute(QStringLiteral("DELETE FROM Persona WHERE IDPersona < 8"));
    EXPECT_EQ(Ids(consulta.LeerPagina(5, 2)), (QList<qint64>{5, 6}));
    EXPECT_EQ(consulta.RecordCount(), 10);
    // A new start reads again.
    EXPECT_EQ(Ids(consulta.LeerPagina(1, 4)), (QList<qint64>{8, 9, 10}));
}

struct CasoFila {
    long posicion;
    bool hay;
};

class HayFila : public ConsultaPaginadaTest, public ::testing::WithParamInterface<CasoFila> {};

TEST_P(HayFila, AnswersWhetherThePositionIsWithinTheRows)
{
    ConsultaPaginada consulta(con, QString::fromUtf8(kOrdenado));
    EXPECT_EQ(consulta.HayFila(GetParam().posicion, 3), GetParam().hay);
    // With the count known the answer is the same.
    ConsultaPaginada contada(con, QString::fromUtf8(kOrdenado));
    ASSERT_EQ(contada.RecordCount(), 10);
    EXPECT_EQ(contada.HayFila(GetParam().posicion, 3), GetParam().hay);
}

INSTANTIATE_TEST_SUITE_P(Posiciones, HayFila,
                         ::testing::Values(CasoFila{-3, true}, CasoFila{0, true}, CasoFila{1, true}, CasoFila{10, true},
                                           CasoFila{11, false}, CasoFila{500, false}));

TEST_F(ConsultaPaginadaTest, HayFilaReadsThePageThereInsteadOfCounting)
{
    ConsultaPaginada consulta(con, QString::fromUtf8(kOrdenado));
    EXPECT_TRUE(consulta.HayFila(4, 3));
    con.Execute(QStringLiteral("DELETE FROM Persona"));
    // The page comes from the rows read; the count was not taken before.
    EXPECT_EQ(Ids(consulta.LeerPagina(4, 3)), (QList<qint64>{4, 5, 6}));
    EXPECT_EQ(consulta.RecordCount(), 0);
}

TEST_F(ConsultaPaginadaTest, AFailingQueryRaises)
{
    ConsultaPaginada consulta(con, QStringLiteral("SELECT Nada FROM NoExiste"));
    EXPECT_ANY_THROW(consulta.LeerPagina(1, 24));
    EXPECT_ANY_THROW(consulta.RecordCount());
    EXPECT_ANY_THROW(consulta.HayFila(1, 24));
    ConsultaPaginada vacia(con, QString());
    EXPECT_ANY_THROW(vacia.LeerPagina(1, 24));
}

} // namespace
