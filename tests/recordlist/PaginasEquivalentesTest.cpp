// Every way the pager reads a page (from the start, from the edge of the
// page shown, from the end, by OFFSET) gives exactly the rows and positions
// of the plain query read with OFFSET, on a census with equal keys, Nulls,
// letter case and accents, and two institutions of the same name.

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "recordlist/ConsultaPaginada.h"
#include "recordlist/OrdenConsulta.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Filas = QList<QList<db::Value>>;

// The census node's query over a small census of its own.
const QString kConsulta = QStringLiteral(
    "SELECT Institucion.Nombre, Padron.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.IDPadron\r\n"
    "FROM Institucion, Padron, Padron_TipoPersona\r\n"
    "WHERE Padron_TipoPersona.CodTipoPersona = 2 AND Padron.IDPadron = Padron_TipoPersona.CodPadron "
    "AND Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado\r\n"
    "ORDER BY Institucion.Nombre, Padron.PrimerApellido, Padron.SegundoApellido DESC, Padron.Nombre;");

class PaginasEquivalentes : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString ruta = dir.filePath(QStringLiteral("Censo.mdb"));
        db::CreateDatabase(ruta);
        con.Open(QStringLiteral("Data Source=%1").arg(ruta));
        con.Execute(QStringLiteral("CREATE TABLE Institucion (IDInstitucion COUNTER PRIMARY KEY, Nombre TEXT(50))"));
        con.Execute(QStringLiteral("CREATE TABLE Padron (IDPadron COUNTER PRIMARY KEY, Nombre TEXT(50), "
                                   "PrimerApellido TEXT(50), SegundoApellido TEXT(50), CodInstitucionEmpadronado LONG)"));
        con.Execute(QStringLiteral("CREATE TABLE Padron_TipoPersona (CodPadron LONG, CodTipoPersona LONG)"));
        // Two institutions whose names are equal to the collation, one
        // without a name.
        const QList<db::Value> instituciones = {db::Value("San José"), db::Value("Ángeles"), db::Value("san jose"),
                                                db::Value()};
        for (const db::Value& nombre : instituciones)
            con.Exec(QStringLiteral("INSERT INTO Institucion (Nombre) VALUES (?)"), {nombre});
        const QList<db::Value> nombres = {db::Value("Ana"), db::Value("ana"), db::Value(), db::Value("Íñigo")};
        const QList<db::Value> apellidos = {db::Value("Núñez"), db::Value("Nunez"), db::Value(), db::Value("García"),
                                            db::Value("Pérez")};
        const QList<db::Value> segundos = {db::Value(), db::Value("López"), db::Value("lopez")};
        con.BeginTrans();
        for (int i = 0; i < 150; ++i) {
            con.Exec(QStringLiteral("INSERT INTO Padron (Nombre, PrimerApellido, SegundoApellido, "
                                    "CodInstitucionEmpadronado) VALUES (?, ?, ?, ?)"),
                     {nombres.at(i % 4), apellidos.at((i / 4) % 5), segundos.at((i / 3) % 3),
                      db::Value(qint64(i % 5 + 1))});
            con.Exec(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, ?)"),
                     {db::Value(qint64(i + 1)), db::Value(qint64(i % 7 == 0 ? 3 : 2))});
        }
        con.CommitTrans();
        referencia = Todas(con.Query(kConsulta.chopped(1) + QStringLiteral(", Padron.IDPadron"), {}));
    }

    static Filas Todas(db::Recordset rs)
    {
        Filas filas;
        if (rs.RecordCount() == 0)
            return filas;
        return Bloque(rs.GetRows(-1, 1));
    }

    static Filas Bloque(const db::RowBlock& b)
    {
        Filas filas;
        for (int r = 0; r < b.RecordCount(); ++r) {
            QList<db::Value> fila;
            for (int f = 0; f < b.FieldCount(); ++f)
                fila << b(f, r);
            filas << fila;
        }
        return filas;
    }

    // The rows at positions inicio .. inicio + filas - 1 of the plain query.
    Filas Esperadas(long inicio, long filas) const
    {
        return referencia.mid(inicio - 1, filas);
    }

    // A command of the list: a new reader each time, the edges kept.
    Filas Pagina(long inicio, long filas, bool contar = false)
    {
        ConsultaPaginada consulta(con, kConsulta, {}, &bordes);
        if (contar) {
            EXPECT_EQ(consulta.RecordCount(), referencia.size());
        }
        return Bloque(consulta.LeerPagina(inicio, filas));
    }

    QTemporaryDir dir;
    db::Connection con;
    Filas referencia;
    BordesPagina bordes;
};

TEST_F(PaginasEquivalentes, TheCensusHasWhatTheTestNeeds)
{
    ASSERT_GT(referencia.size(), 100);
    // Nulls sort first; equal names of two institutions are interleaved.
    EXPECT_TRUE(referencia.first().first().isNull());
    EXPECT_NE(referencia.at(60).last(), referencia.at(61).last());
}

class PorTamano : public PaginasEquivalentes, public ::testing::WithParamInterface<long> {};

TEST_P(PorTamano, ForwardFromTheFirstPage)
{
    const long n = GetParam();
    for (long inicio = 1; inicio <= referencia.size() + n; inicio += n)
        ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n)) << "desde " << inicio;
}

TEST_P(PorTamano, BackwardFromTheLastPage)
{
    const long n = GetParam();
    long inicio = std::max<long>(1, referencia.size() - n + 1);
    ASSERT_EQ(Pagina(inicio, n, true), Esperadas(inicio, n));
    while (inicio > 1) {
        inicio = std::max<long>(1, inicio - n);
        ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n)) << "desde " << inicio;
    }
}

TEST_P(PorTamano, AnyStartWithAndWithoutTheCount)
{
    const long n = GetParam();
    for (long inicio = 1; inicio <= referencia.size() + 1; ++inicio) {
        bordes = {};
        ASSERT_EQ(Pagina(inicio, n, true), Esperadas(inicio, n)) << "desde " << inicio << ", contada";
        bordes = {};
        ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n)) << "desde " << inicio;
    }
}

TEST_P(PorTamano, BackAndForthAroundTheMiddle)
{
    const long n = GetParam();
    long inicio = referencia.size() / 2;
    ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n));
    for (const long paso : {n, n, -n, -n, -n, n}) {
        inicio += paso;
        ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n)) << "desde " << inicio;
    }
}

INSTANTIATE_TEST_SUITE_P(Tamanos, PorTamano, ::testing::Values(1L, 7L, 24L));

TEST_F(PaginasEquivalentes, TheEdgesOfAnotherQueryAreNotUsed)
{
    ASSERT_EQ(Pagina(1, 10), Esperadas(1, 10));
    ConsultaPaginada otra(con, QStringLiteral("SELECT Nombre, IDPadron FROM Padron ORDER BY Nombre"), {}, &bordes);
    ASSERT_EQ(otra.LeerPagina(11, 10).RecordCount(), 10);
    EXPECT_EQ(Pagina(11, 10), Esperadas(11, 10));
}

struct CasoOrden {
    const char* sql;
    bool simple;
    const char* orden;  // the order, row id last, of a plain query
};

class Orden : public ::testing::TestWithParam<CasoOrden> {};

TEST_P(Orden, PlainQueriesEndTheirOrderWithTheRowId)
{
    const OrdenConsulta o(QString::fromUtf8(GetParam().sql));
    EXPECT_EQ(o.Simple(), GetParam().simple);
    QStringList orden;
    for (const OrdenConsulta::Termino& t : o.Orden())
        orden << t.columna + (t.descendente ? QStringLiteral(" DESC") : QString());
    EXPECT_EQ(orden.join(QStringLiteral(", ")), QString::fromUtf8(GetParam().orden));
}

INSTANTIATE_TEST_SUITE_P(
    Consultas, Orden,
    ::testing::Values(
        CasoOrden {"SELECT a, b, Id FROM T ORDER BY a, b DESC", true, "a, b DESC, Id"},
        CasoOrden {"SELECT a, T.Id AS Clave FROM T WHERE a = 'ORDER BY x' ORDER BY a ASC;", true, "a, T.Id"},
        CasoOrden {"SELECT a, Id FROM T ORDER BY Id, a", true, "Id, a"},
        CasoOrden {"SELECT [Mi tabla].a, [Mi tabla].Id FROM [Mi tabla] ORDER BY [Mi tabla].a", true,
                   "[Mi tabla].a, [Mi tabla].Id"},
        CasoOrden {"SELECT a, (SELECT MAX(x) FROM U ORDER BY x) AS m, Id FROM T ORDER BY a", true, "a, Id"},
        CasoOrden {"SELECT a, Id FROM T", false, ""},
        CasoOrden {"SELECT TOP 5 a, Id FROM T ORDER BY a", false, ""},
        CasoOrden {"SELECT DISTINCT a, Id FROM T ORDER BY a", false, ""},
        CasoOrden {"SELECT a, COUNT(*), Id FROM T GROUP BY a, Id ORDER BY a", false, ""},
        CasoOrden {"SELECT a, Id FROM T UNION SELECT b, Id FROM U ORDER BY a", false, ""},
        CasoOrden {"SELECT a, Id FROM T ORDER BY UCase(a)", false, ""},
        CasoOrden {"SELECT a, Id + 1 FROM T ORDER BY a", false, ""},
        CasoOrden {"SELECT a, Id FROM T ORDER BY 1", false, ""},
        CasoOrden {"SELECT UCase(a) AS Grande, Id FROM T ORDER BY Grande", false, ""},
        CasoOrden {"SELECT a AS [Mi a], Id FROM T ORDER BY [Mi a]", false, ""},
        CasoOrden {"SELECT Año, Id FROM T ORDER BY Año", true, "Año, Id"}));

TEST(OrdenSinOrden, TheCountLeavesOutOnlyTheClosingOrder)
{
    EXPECT_EQ(OrdenConsulta(QStringLiteral("SELECT a FROM T WHERE b IN (SELECT c FROM U ORDER BY c) ORDER BY a ;"))
                  .SinOrden(),
              QStringLiteral("SELECT a FROM T WHERE b IN (SELECT c FROM U ORDER BY c)"));
    EXPECT_EQ(OrdenConsulta(QStringLiteral("SELECT a FROM T")).SinOrden(), QStringLiteral("SELECT a FROM T"));
}

} // namespace
