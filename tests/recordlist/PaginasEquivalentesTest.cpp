// Every way the pager reads a page (from the start, from the edge of the
// page shown, from the end, by OFFSET) gives exactly the rows and positions
// of the plain query read with OFFSET, on a census with equal keys, Nulls,
// letter case and accents, and two institutions of the same name. Each
// test runs on the general reading (an order no index gives) and on the
// census read institution by institution (the census node's own order, with
// the index that gives it), and the latter also with the census count kept
// by the database, which gives the row count.

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/SqliteStatement.h"
#include "recordlist/CensoPorInstitucion.h"
#include "recordlist/ConsultaPaginada.h"
#include "recordlist/OrdenConsulta.h"
#include "schema/RecuentoCenso.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Filas = QList<QList<db::Value>>;

// A census query over a small census of its own: with a descending term
// no index gives, and the census node's own order, which the index of the
// census by institution gives.
const QString kConsultaGeneral = QStringLiteral(
    "SELECT Institucion.Nombre, Padron.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.IDPadron\r\n"
    "FROM Institucion, Padron, Padron_TipoPersona\r\n"
    "WHERE Padron_TipoPersona.CodTipoPersona = 2 AND Padron.IDPadron = Padron_TipoPersona.CodPadron "
    "AND Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado\r\n"
    "ORDER BY Institucion.Nombre, Padron.PrimerApellido, Padron.SegundoApellido DESC, Padron.Nombre;");
const QString kConsultaCenso = QStringLiteral(
    "SELECT Institucion.Nombre, Padron.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.IDPadron \r\n"
    "FROM Institucion, Padron, Padron_TipoPersona \r\n"
    "WHERE Padron_TipoPersona.CodTipoPersona = 2 AND Padron.IDPadron = Padron_TipoPersona.CodPadron "
    "AND Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado \r\n"
    "ORDER BY Institucion.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre");

// How the census is read and counted.
enum Lectura { General, PorInstitucion_, ConRecuento };

class PaginasEquivalentes : public ::testing::Test {
protected:
    void SetUp() override { Preparar(General); }

    // The census by institution reads the census query only where the
    // index is; its count is summed only where the kept count is.
    void Preparar(int lectura)
    {
        const bool porInstitucion = lectura != General;
        consulta = porInstitucion ? kConsultaCenso : kConsultaGeneral;
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
        if (porInstitucion)
            con.Execute(QStringLiteral("CREATE INDEX IX_Censo ON Padron "
                                       "(CodInstitucionEmpadronado, PrimerApellido, SegundoApellido, Nombre)"));
        if (lectura == ConRecuento) {
            ASSERT_TRUE(CrearRecuentoCenso(con));
        }
        Referencia();
        ASSERT_EQ(CensoPorInstitucion::Reconocer(con, OrdenConsulta(consulta), {}).has_value(), porInstitucion);
    }

    // The plain query's rows, its row id added to its order.
    void Referencia()
    {
        QString sql = consulta;
        if (sql.endsWith(u';'))
            sql.chop(1);
        referencia = Todas(con.Query(sql + QStringLiteral(", Padron.IDPadron"), {}));
    }

    static Filas Todas(db::Recordset rs)
    {
        return Bloque(db::AllRows(std::move(rs)));
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
        ConsultaPaginada lector(con, consulta, {}, &bordes);
        if (contar) {
            EXPECT_EQ(lector.RecordCount(), referencia.size());
        }
        return Bloque(lector.LeerPagina(inicio, filas));
    }

    QTemporaryDir dir;
    db::Connection con;
    QString consulta;
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

// The page size, and whether the census is read by institution.
class PorTamano : public PaginasEquivalentes, public ::testing::WithParamInterface<std::tuple<long, int>> {
protected:
    void SetUp() override { Preparar(std::get<1>(GetParam())); }
    long Tamano() const { return std::get<0>(GetParam()); }
};

TEST_P(PorTamano, ForwardFromTheFirstPage)
{
    const long n = Tamano();
    for (long inicio = 1; inicio <= referencia.size() + n; inicio += n)
        ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n)) << "desde " << inicio;
}

TEST_P(PorTamano, BackwardFromTheLastPage)
{
    const long n = Tamano();
    long inicio = std::max<long>(1, referencia.size() - n + 1);
    ASSERT_EQ(Pagina(inicio, n, true), Esperadas(inicio, n));
    while (inicio > 1) {
        inicio = std::max<long>(1, inicio - n);
        ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n)) << "desde " << inicio;
    }
}

TEST_P(PorTamano, AnyStartWithAndWithoutTheCount)
{
    const long n = Tamano();
    for (long inicio = 1; inicio <= referencia.size() + 1; ++inicio) {
        bordes = {};
        ASSERT_EQ(Pagina(inicio, n, true), Esperadas(inicio, n)) << "desde " << inicio << ", contada";
        bordes = {};
        ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n)) << "desde " << inicio;
    }
}

TEST_P(PorTamano, BackAndForthAroundTheMiddle)
{
    const long n = Tamano();
    long inicio = referencia.size() / 2;
    ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n));
    for (const long paso : {n, n, -n, -n, -n, n}) {
        inicio += paso;
        ASSERT_EQ(Pagina(inicio, n), Esperadas(inicio, n)) << "desde " << inicio;
    }
}

INSTANTIATE_TEST_SUITE_P(Tamanos, PorTamano,
                         ::testing::Combine(::testing::Values(1L, 7L, 24L),
                                            ::testing::Values(int(General), int(PorInstitucion_), int(ConRecuento))));

TEST_P(PorTamano, TheCountKeptIsTakenAgainAfterAnyChange)
{
    const long n = Tamano();
    const auto ultima = [&] { return std::max<long>(1, referencia.size() - n + 1); };
    ASSERT_EQ(Pagina(ultima(), n, true), Esperadas(ultima(), n));
    const QString alta = QStringLiteral("INSERT INTO Padron (Nombre, PrimerApellido, CodInstitucionEmpadronado) "
                                        "VALUES ('Zoe', 'Zubiri', 2)");
    const QString tipo = QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) "
                                        "SELECT MAX(IDPadron), 2 FROM Padron");
    con.Exec(alta);
    con.Exec(tipo);
    Referencia();
    ASSERT_EQ(Pagina(ultima(), n, true), Esperadas(ultima(), n));
    // Another connection's commit, as another workstation's.
    db::Connection otra;
    otra.Open(QStringLiteral("Data Source=%1").arg(dir.filePath(QStringLiteral("Censo.mdb"))));
    otra.Exec(alta);
    otra.Exec(tipo);
    Referencia();
    ASSERT_EQ(Pagina(ultima(), n, true), Esperadas(ultima(), n));
    otra.Exec(QStringLiteral("DELETE FROM Padron_TipoPersona WHERE CodTipoPersona = 2"));
    Referencia();
    EXPECT_TRUE(Pagina(1, n, true).isEmpty());
}

class PorInstitucion : public PaginasEquivalentes {
protected:
    void SetUp() override { Preparar(PorInstitucion_); }
};

TEST_F(PorInstitucion, TheNextPageAfterItsEdgeInstitutionWentIsReadByPosition)
{
    ASSERT_EQ(Pagina(1, 30), Esperadas(1, 30));
    const qint64 ultima = referencia.at(29).last().toInt64();
    con.Exec(QStringLiteral("DELETE FROM Institucion WHERE IDInstitucion = "
                            "(SELECT CodInstitucionEmpadronado FROM Padron WHERE IDPadron = ?)"),
             {db::Value(ultima)});
    Referencia();
    EXPECT_EQ(Pagina(31, 30), Esperadas(31, 30));
    EXPECT_EQ(Pagina(1, 30), Esperadas(1, 30));
}

// The next command after a change reads the census as it now is: the
// institutions in their new name order after another workstation renamed
// one, and by the general reading once the index is gone.
TEST_F(PorInstitucion, TheNextCommandSeesRenamedInstitutionsAndADroppedIndex)
{
    const auto todas = [&](const char* cuando) {
        for (long inicio = 1; inicio <= referencia.size(); inicio += 7)
            ASSERT_EQ(Pagina(inicio, 7), Esperadas(inicio, 7)) << cuando << ", desde " << inicio;
        for (long inicio = referencia.size() - 6; inicio > 1; inicio -= 7)
            ASSERT_EQ(Pagina(inicio, 7), Esperadas(inicio, 7)) << cuando << ", hacia atrás desde " << inicio;
    };
    todas("al principio");
    db::Connection otra;
    otra.Open(QStringLiteral("Data Source=%1").arg(dir.filePath(QStringLiteral("Censo.mdb"))));
    otra.Exec(QStringLiteral("UPDATE Institucion SET Nombre = 'Zurbano' WHERE Nombre = 'Ángeles'"));
    Referencia();
    todas("renombrada");
    con.Execute(QStringLiteral("DROP INDEX IX_Censo ON Padron"));
    todas("sin índice");
}

TEST_F(PorInstitucion, OnlyTheCensusShapeIsReadByInstitution)
{
    const QString campos = QStringLiteral("SELECT Institucion.Nombre, Padron.Nombre, Padron.IDPadron ");
    const QString origen = QStringLiteral("FROM Institucion, Padron, Padron_TipoPersona ");
    const QString union_ = QStringLiteral("Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado");
    const QString orden = QStringLiteral(" ORDER BY Institucion.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, "
                                         "Padron.Nombre");
    struct Caso {
        QString sql;
        bool porInstitucion;
    };
    const QList<Caso> casos = {
        {campos + origen + QStringLiteral("WHERE ") + union_ + orden, true},
        {campos + QStringLiteral("FROM Padron_TipoPersona, Padron, Institucion WHERE Padron.CodInstitucionEmpadronado "
                                 "= Institucion.IDInstitucion AND CodTipoPersona = 3")
             + orden,
         true},
        // The index gives the row id only after all of its columns.
        {campos + origen + QStringLiteral("WHERE ") + union_ + QStringLiteral(" ORDER BY Institucion.Nombre, "
                                                                             "Padron.PrimerApellido"),
         false},
        {campos + origen + QStringLiteral("WHERE ") + union_ + QStringLiteral(" OR Padron.IDPadron = 1") + orden,
         false},
        {campos + origen + QStringLiteral("WHERE NOT ") + union_ + orden, false},
        {campos + origen + QStringLiteral("WHERE Institucion.IDInstitucion = Padron.CodMunicipio") + orden, false},
        {campos + QStringLiteral("FROM Institucion, Padron WHERE ") + union_ + orden, false},
        {campos + QStringLiteral("FROM Institucion INNER JOIN Padron ON ") + union_ + orden, false},
        {campos + origen + QStringLiteral("WHERE ") + union_ + QStringLiteral(" ORDER BY Institucion.Nombre DESC, "
                                                                             "Padron.PrimerApellido"),
         false},
        {campos + origen + QStringLiteral("WHERE ") + union_ + QStringLiteral(" ORDER BY Institucion.Nombre, "
                                                                             "Padron.SegundoApellido"),
         false},
        {campos + origen + QStringLiteral("WHERE ") + union_ + QStringLiteral(" ORDER BY Institucion.Nombre, "
                                                                             "Padron.PrimerApellido DESC"),
         false},
        {campos + origen + QStringLiteral("WHERE ") + union_ + QStringLiteral(" ORDER BY Padron.PrimerApellido"),
         false},
        {QStringLiteral("SELECT DISTINCT Institucion.Nombre, Padron.IDPadron ") + origen + QStringLiteral("WHERE ")
             + union_ + orden,
         false},
        {QStringLiteral("SELECT Institucion.Nombre, Padron.Nombre, Institucion.IDInstitucion ") + origen
             + QStringLiteral("WHERE ") + union_ + orden,
         false},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(CensoPorInstitucion::Reconocer(con, OrdenConsulta(c.sql), {}).has_value(), c.porInstitucion)
            << c.sql.toStdString();
    con.Execute(QStringLiteral("DROP INDEX IX_Censo ON Padron"));
    EXPECT_FALSE(CensoPorInstitucion::Reconocer(con, OrdenConsulta(casos.first().sql), {}).has_value());
}

class ConRecuentoGuardado : public PaginasEquivalentes {
protected:
    void SetUp() override { Preparar(ConRecuento); }

    // The count as the list's commands take it, the census read by
    // institution.
    long Recuento(const QString& sql, const QList<db::Value>& params = {})
    {
        BordesPagina propios;
        ConsultaPaginada lector(con, sql, params, &propios);
        return lector.RecordCount();
    }

    long Contadas(QString sql, const QList<db::Value>& params = {})
    {
        return long(con.Query(QStringLiteral("SELECT COUNT(*) FROM (") + OrdenConsulta(sql).SinOrden() + u')', params)
                        .value(0)
                        .toInt64());
    }
};

// Only the join and one person type are summed from the kept count; any
// other condition, or another way of writing the type, counts the query.
// The kept counts are emptied first, so a count taken from them is 0.
TEST_F(ConRecuentoGuardado, OnlyTheJoinAndOneTypeAreSummed)
{
    const QString campos = QStringLiteral("SELECT Institucion.Nombre, Padron.Nombre, Padron.IDPadron ");
    const QString origen = QStringLiteral("FROM Institucion, Padron, Padron_TipoPersona WHERE ");
    const QString union_ = QStringLiteral("Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado");
    const QString persona = QStringLiteral("Padron.IDPadron = Padron_TipoPersona.CodPadron");
    const QString orden = QStringLiteral(" ORDER BY Institucion.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, "
                                         "Padron.Nombre");
    struct Caso {
        QString sql;
        QList<db::Value> params;
        bool sumada;
    };
    const QList<Caso> casos = {
        {kConsultaCenso, {}, true},
        {campos + origen + persona + QStringLiteral(" AND Padron_TipoPersona.CodTipoPersona = 3 AND ") + union_ + orden,
         {}, true},
        {campos + origen + QStringLiteral("3 = Padron_TipoPersona.CodTipoPersona AND Padron_TipoPersona.CodPadron = "
                                          "Padron.IDPadron AND Padron.CodInstitucionEmpadronado = "
                                          "Institucion.IDInstitucion")
             + orden,
         {}, true},
        {campos + origen + union_ + QStringLiteral(" AND ") + persona
             + QStringLiteral(" AND Padron_TipoPersona.CodTipoPersona = ?") + orden,
         {db::Value(2)}, true},
        // A filter of the list.
        {campos + origen + union_ + QStringLiteral(" AND ") + persona
             + QStringLiteral(" AND Padron_TipoPersona.CodTipoPersona = 2 AND Padron.Nombre = 'Ana'") + orden,
         {}, false},
        {campos + origen + union_ + QStringLiteral(" AND ") + persona
             + QStringLiteral(" AND Padron_TipoPersona.CodTipoPersona = 2 AND Padron.Nombre LIKE ?") + orden,
         {db::Value(QStringLiteral("%a%"))}, false},
        // No person type, or one not written as the table's column and a
        // number.
        {campos + origen + union_ + QStringLiteral(" AND ") + persona + orden, {}, false},
        {campos + origen + union_ + QStringLiteral(" AND ") + persona + QStringLiteral(" AND CodTipoPersona = 2") + orden,
         {}, false},
        {campos + origen + union_ + QStringLiteral(" AND ") + persona
             + QStringLiteral(" AND Padron_TipoPersona.CodTipoPersona = 1 + 1") + orden,
         {}, false},
        {campos + origen + union_ + QStringLiteral(" AND ") + persona
             + QStringLiteral(" AND Padron_TipoPersona.CodTipoPersona > 1") + orden,
         {}, false},
        {campos + origen + union_ + QStringLiteral(" AND Padron.IDPadron = Padron_TipoPersona.CodTipoPersona AND "
                                                   "Padron_TipoPersona.CodTipoPersona = 2")
             + orden,
         {}, false},
        {campos + origen + union_ + QStringLiteral(" AND (") + persona
             + QStringLiteral(" AND Padron_TipoPersona.CodTipoPersona = 2)") + orden,
         {}, false},
    };
    for (const Caso& c : casos)
        ASSERT_GT(Contadas(c.sql, c.params), 0) << c.sql.toStdString();
    db::SqliteStatement::exec(con.handle(), QStringLiteral("DELETE FROM Recuento_Institucion_TipoPersona"));
    for (const Caso& c : casos) {
        EXPECT_TRUE(CensoPorInstitucion::Reconocer(con, OrdenConsulta(c.sql), c.params).has_value())
            << c.sql.toStdString();
        EXPECT_EQ(Recuento(c.sql, c.params), c.sumada ? 0 : Contadas(c.sql, c.params)) << c.sql.toStdString();
    }
}

// A database without the kept count, or with it not whole (a trigger
// gone), counts the census itself, exactly.
TEST_F(ConRecuentoGuardado, WithoutTheWholeKeptCountTheCensusIsCounted)
{
    ASSERT_EQ(Recuento(consulta), referencia.size());
    db::SqliteStatement::exec(con.handle(), QStringLiteral("DROP TRIGGER Recuento_Padron_Baja"));
    db::SqliteStatement::exec(con.handle(), QStringLiteral("DELETE FROM Recuento_Institucion_TipoPersona"));
    EXPECT_EQ(Recuento(consulta), referencia.size());
    con.Exec(QStringLiteral("DELETE FROM Padron WHERE IDPadron = 2"));
    Referencia();
    EXPECT_EQ(Recuento(consulta), referencia.size());
    ASSERT_TRUE(CrearRecuentoCenso(con));
    con.Exec(QStringLiteral("DELETE FROM Padron WHERE IDPadron = 3"));
    Referencia();
    EXPECT_EQ(Recuento(consulta), referencia.size());
    // Counted the same as the layer's own count of the query.
    EXPECT_EQ(Recuento(consulta), Contadas(consulta));
}

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
