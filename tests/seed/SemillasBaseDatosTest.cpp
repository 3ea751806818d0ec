#include "seed/DatosSemilla.h"
#include "seed/FormatosLibro.h"
#include "seed/EscrituraSemilla_p.h"
#include "seed/SemillasContabilidad.h"
#include "seed/SemillasDuzediv.h"
#include "seed/SemillasNuevas.h"

#include "platform/db/DatabaseFiles.h"
#include "platform/db/DbErrors.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/cCAplicacion.h"
#include "platform/vb/VbError.h"
#include "schema/Estructura.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QSet>

namespace {

using PVAPI::cCAplicacion;

QString S(const char* texto) { return QString::fromUtf8(texto); }

// Runs f, expecting it to fail with the error number `numero`.
template <class F>
void EsperarError(long numero, F f)
{
    try {
        f();
        ADD_FAILURE() << "no error raised";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), numero) << e.description().toStdString();
    }
}

class SemillasDuzedivTest : public ::testing::Test {
protected:
    SemillasDuzedivTest() { CrearEstructuraDuzediv(duzediv.con); }

    qint64 Cuenta(const QString& tabla) { return duzediv.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla).toInt64(); }

    testsupport::TempDatabase duzediv;
};

TEST_F(SemillasDuzedivTest, FreshDatabaseCarriesTheCurrentRows)
{
    SembrarDuzedivNueva(duzediv.con, cCAplicacion::APP_PARVANTA_TUREL);
    EXPECT_EQ(Cuenta("Nodo"), 56);
    EXPECT_EQ(Cuenta("Campo"), 160);
    EXPECT_EQ(Cuenta("Informe"), 40);
    EXPECT_EQ(Cuenta("ComunidadAutonoma"), 17);
    EXPECT_EQ(Cuenta("Tipo_Via"), 31);
    EXPECT_EQ(Cuenta("TipoPersonaModelo182"), 3);
    EXPECT_EQ(Cuenta("Modelo182"), 1);
    EXPECT_EQ(Cuenta("Deduccion"), 17 * 101);
    EXPECT_EQ(duzediv.scalar("SELECT COUNT(*) FROM (SELECT DISTINCT codComunidad, Deduccion FROM Deduccion)").toInt64(),
              17 * 101);
    EXPECT_EQ(duzediv.scalar("SELECT COUNT(*) FROM ComunidadAutonoma WHERE DeduccionDefecto = 0").toInt64(), 17);
    EXPECT_EQ(duzediv.scalar("SELECT Descripcion FROM Libros_Formato WHERE IDFormato = 2").toString(),
              QStringLiteral("Dos partidas por folio"));
    EXPECT_EQ(Cuenta("Libros_Formato"), 4);
}

// The book formats go only into an empty table: a second run, or a table
// holding the user's own formats, gets nothing more.
TEST_F(SemillasDuzedivTest, BookFormatsAreWrittenOnlyIntoAnEmptyTable)
{
    EXPECT_EQ(SembrarFormatosLibro(duzediv.con), 4);
    EXPECT_EQ(SembrarFormatosLibro(duzediv.con), 0);
    EXPECT_EQ(Cuenta("Libros_Formato"), 4);

    duzediv.con.Execute("DELETE FROM Libros_Formato");
    duzediv.con.Exec("INSERT INTO Libros_Formato (Descripcion) VALUES (?)", {QStringLiteral("Seis partidas")});
    EXPECT_EQ(SembrarFormatosLibro(duzediv.con), 0);
    EXPECT_EQ(Cuenta("Libros_Formato"), 1);
}

TEST_F(SemillasDuzedivTest, NodesReadBackExactly)
{
    SembrarDuzedivNueva(duzediv.con, cCAplicacion::APP_PARVANTA_TUREL);
    db::Recordset rs = duzediv.con.Execute(
        "SELECT IDNodo, Nombre, Descripcion, Nivel, CodPadre, Orden, NombreInterno, CodImagen, SQLSelect, Expandido "
        "FROM Nodo ORDER BY IDNodo");
    for (const FilaNodo& n : DatosSemilla::NodosV212()) {
        ASSERT_FALSE(rs.isEOF());
        EXPECT_EQ(rs.value(0).toInt64(), n.IDNodo);
        EXPECT_EQ(rs.value(1).toString(), S(n.Nombre));
        EXPECT_EQ(rs.value(2).toString(), S(n.Descripcion));
        EXPECT_EQ(rs.value(3).toInt64(), n.Nivel);
        EXPECT_EQ(rs.value(4).toInt64(), n.CodPadre);
        EXPECT_EQ(rs.value(5).toInt64(), n.Orden);
        EXPECT_EQ(rs.value(6).toString(), S(n.NombreInterno));
        EXPECT_EQ(rs.value(7).toInt64(), n.CodImagen);
        EXPECT_EQ(rs.value(8).toString(), S(n.SQLSelect)) << "node " << n.IDNodo;
        EXPECT_EQ(rs.value(9).toBool(), n.IDNodo == 1);
        rs.MoveNext();
    }
    EXPECT_TRUE(rs.isEOF());
    EXPECT_EQ(duzediv.scalar("SELECT Len(SQLSelect) FROM Nodo WHERE IDNodo = 4").toInt64(), 193);
    EXPECT_EQ(duzediv.scalar("SELECT Len(SQLSelect) FROM Nodo WHERE IDNodo = 1").toInt64(), 1);
}

TEST_F(SemillasDuzedivTest, ColumnsReadBackExactly)
{
    SembrarDuzedivNueva(duzediv.con, cCAplicacion::APP_PARVANTA_TUREL);
    db::Recordset rs =
        duzediv.con.Execute("SELECT IDCampo, CodNodo, Nombre, Descripcion, Tipo, Orden, Ancho FROM Campo ORDER BY IDCampo");
    for (const FilaCampo& c : DatosSemilla::CamposV212()) {
        ASSERT_FALSE(rs.isEOF());
        EXPECT_EQ(rs.value(0).toInt64(), c.IDCampo);
        EXPECT_EQ(rs.value(1).toInt64(), c.CodNodo);
        EXPECT_EQ(rs.value(2).toString(), S(c.Nombre));
        EXPECT_EQ(rs.value(3).toString(), S(c.Descripcion));
        EXPECT_EQ(rs.value(4).toInt64(), c.Tipo);
        EXPECT_EQ(rs.value(5).toInt64(), c.Orden);
        EXPECT_EQ(rs.value(6).toInt64(), c.Ancho);
        rs.MoveNext();
    }
}

TEST_F(SemillasDuzedivTest, CommunitiesKeepTheirCodesAsTextInWritingOrder)
{
    SembrarDuzedivNueva(duzediv.con, cCAplicacion::APP_PARVANTA_TUREL);
    db::Recordset rs = duzediv.con.Execute("SELECT IdComunidad, Nombre, Codigo FROM ComunidadAutonoma ORDER BY IdComunidad");
    for (const FilaComunidadAutonoma& c : DatosSemilla::ComunidadesAutonomas()) {
        EXPECT_EQ(rs.value(1).toString(), S(c.Nombre));
        EXPECT_EQ(rs.value(2).toString(), S(c.Codigo));
        rs.MoveNext();
    }
    EXPECT_EQ(rs.value(2).toString(), QLatin1String("01")) << "the 2.2.0 communities follow the seeded four";
    EXPECT_EQ(duzediv.scalar("SELECT COUNT(*) FROM Deduccion WHERE codComunidad = 4").toInt64(), 101);
}

struct EdicionInformes {
    const char* nombre;
    long aplicacion;
    std::span<const FilaInforme> (*arbol)();
};

class ArbolInformesTest : public ::testing::TestWithParam<EdicionInformes> {};

TEST_P(ArbolInformesTest, EachEditionGetsItsReportTree)
{
    testsupport::TempDatabase duzediv;
    CrearEstructuraDuzediv(duzediv.con);
    SembrarDuzedivNueva(duzediv.con, GetParam().aplicacion);
    const auto filas = GetParam().arbol();
    db::Recordset rs =
        duzediv.con.Execute("SELECT IDInforme, Nombre, Nivel, CodPadre, CodImagen, Expandido FROM Informe ORDER BY IDInforme");
    EXPECT_EQ(rs.RecordCount(), long(filas.size()));
    for (const FilaInforme& f : filas) {
        ASSERT_FALSE(rs.isEOF());
        EXPECT_EQ(rs.value(0).toInt64(), f.IDInforme);
        EXPECT_EQ(rs.value(1).toString(), S(f.Nombre));
        EXPECT_EQ(rs.value(2).toInt64(), f.Nivel);
        EXPECT_EQ(rs.value(3).toInt64(), f.CodPadre);
        EXPECT_EQ(rs.value(4).toInt64(), f.CodImagen);
        EXPECT_EQ(rs.value(5).toBool(), f.Expandido != 0);
        rs.MoveNext();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ediciones, ArbolInformesTest,
    ::testing::Values(EdicionInformes{"Valdena", cCAplicacion::APP_PARVANTA_VALDENA, &DatosSemilla::InformesValdena},
                      EdicionInformes{"General", cCAplicacion::APP_PARVANTA_GENERAL, &DatosSemilla::InformesGeneral},
                      EdicionInformes{"Losara", cCAplicacion::APP_PARVANTA_LOSARA, &DatosSemilla::InformesGeneral},
                      EdicionInformes{"Corbela", cCAplicacion::APP_PARVANTA_CORBELA, &DatosSemilla::InformesGeneral},
                      EdicionInformes{"Mirante", cCAplicacion::APP_PARVANTA_MIRANTE, &DatosSemilla::InformesMirante},
                      EdicionInformes{"Turel", cCAplicacion::APP_PARVANTA_TUREL, &DatosSemilla::InformesMirante}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The 2.1.0 seeds on emptied tables: the ids the counter gives are the ones
// the later rows refer to.
TEST_F(SemillasDuzedivTest, KeylessSeedsGetIdsOneToN)
{
    {
        db::Transaction t(duzediv.con);
        InsertarComunidadesAutonomas(duzediv.con);
        InsertarDeducciones(duzediv.con);
        InsertarNodos(duzediv.con);
        InsertarCampos(duzediv.con);
        InsertarInformesValdena(duzediv.con);
        InsertarTiposVia(duzediv.con);
        t.Commit();
    }
    EXPECT_EQ(duzediv.scalar("SELECT MAX(IDNodo) FROM Nodo").toInt64(), 55);
    EXPECT_EQ(duzediv.scalar("SELECT MAX(IDCampo) FROM Campo").toInt64(), 158);
    EXPECT_EQ(duzediv.scalar("SELECT MAX(IDInforme) FROM Informe").toInt64(), 43);
    EXPECT_EQ(duzediv.scalar("SELECT MAX(IdComunidad) FROM ComunidadAutonoma").toInt64(), 4);
    EXPECT_EQ(duzediv.scalar("SELECT COUNT(*) FROM Campo LEFT JOIN Nodo ON Campo.CodNodo = Nodo.IDNodo "
                             "WHERE Nodo.IDNodo IS NULL").toInt64(),
              0);
    EXPECT_EQ(duzediv.scalar("SELECT CodPadre FROM Nodo WHERE Nombre = \"Plan General Contable\"").toInt64(), 43);
    db::Recordset rs = duzediv.con.Execute("SELECT Descripcion FROM Tipo_Via");
    EXPECT_EQ(rs.RecordCount(), 31);
}

TEST_F(SemillasDuzedivTest, KeylessSeedRefusesATableThatIsNotEmpty)
{
    duzediv.con.Execute("INSERT INTO Tipo_Via(Descripcion) VALUES (\"XX - OTRA\")");
    db::Transaction t(duzediv.con);
    EsperarError(EscrituraSemilla::ErrTablaNoPreparada, [&] { InsertarTiposVia(duzediv.con); });
    t.Rollback();
    EXPECT_EQ(duzediv.scalar("SELECT COUNT(*) FROM Tipo_Via").toInt64(), 1);
}

TEST_F(SemillasDuzedivTest, KeylessSeedRefusesACounterThatDoesNotStartAtOne)
{
    duzediv.con.Execute("INSERT INTO Informe(Nombre, Nivel, CodPadre, CodImagen, Expandido) VALUES (\"x\", 1, 0, 0, 0)");
    duzediv.con.Execute("DELETE * FROM Informe");
    {
        db::Transaction t(duzediv.con);
        EsperarError(EscrituraSemilla::ErrTablaNoPreparada, [&] { InsertarInformes(duzediv.con); });
    }
    EXPECT_EQ(duzediv.scalar("SELECT COUNT(*) FROM Informe").toInt64(), 0) << "the caller's rollback leaves nothing behind";

    // Compaction restarts the counter of the emptied table, and the seed runs.
    duzediv.con.Close();
    db::CompactInPlace(duzediv.path());
    duzediv.reopen();
    InsertarInformes(duzediv.con);
    EXPECT_EQ(duzediv.scalar("SELECT CodPadre FROM Informe WHERE IDInforme = 31").toInt64(), 30);
}

TEST_F(SemillasDuzedivTest, KeyedSeedFailsOnAnIdAlreadyPresent)
{
    duzediv.con.Execute("INSERT INTO Campo(IDCampo, CodNodo, Nombre, Descripcion, Tipo, Orden, Ancho) "
                        "VALUES (3, 1, \"x\", \"x\", 0, 1, 100)");
    EsperarError(db::err::DuplicateKey, [&] { InsertarCamposConClave(duzediv.con); });
}

TEST_F(SemillasDuzedivTest, AFailedFreshSeedLeavesEveryTableEmpty)
{
    duzediv.con.Execute("INSERT INTO Nodo(IDNodo, Nombre, Descripcion, Nivel, CodPadre, Orden, NombreInterno, "
                        "CodImagen, SQLSelect, Expandido) VALUES (30, \"x\", \"x\", 1, 0, 1, \"x\", 1, \" \", 0)");
    EXPECT_THROW(SembrarDuzedivNueva(duzediv.con, cCAplicacion::APP_PARVANTA_TUREL), vb::VbError);
    for (const char* tabla : {"ComunidadAutonoma", "Deduccion", "Tipo_Via", "Campo", "Informe", "TipoPersonaModelo182",
                              "Libros_Formato"})
        EXPECT_EQ(Cuenta(tabla), 0) << tabla;
    EXPECT_EQ(Cuenta("Nodo"), 1);
}

// Every stored list query runs on an empty database of its branch and returns
// one field per list column plus the record id.
class ConsultasListaTest : public ::testing::Test {
protected:
    ConsultasListaTest()
    {
        CrearEstructuraDuzediv(duzediv.con);
        CrearEstructuraContabilidad(contabilidad.con);
    }

    testsupport::TempDatabase duzediv;
    testsupport::TempDatabase contabilidad{QStringLiteral("Contabilidad.mdb")};

    void ComprobarConsultas(std::span<const FilaNodo> nodos, std::span<const FilaCampo> campos, int esperadas)
    {
        QMap<int, int> columnas;
        for (const FilaCampo& c : campos)
            ++columnas[c.CodNodo];
        int ejecutadas = 0;
        for (const FilaNodo& n : nodos) {
            const QString sql = S(n.SQLSelect);
            if (sql == QLatin1String(" "))
                continue;
            const FilaNodo* rama = &n;
            while (rama->Nivel > 2)
                rama = &nodos[std::size_t(rama->CodPadre) - 1];
            db::Connection& con = S(rama->Nombre) == QLatin1String("Contabilidad") ? contabilidad.con : duzediv.con;
            try {
                db::Recordset rs = con.Execute(sql);
                const int campos = rs.Fields().Count();
                EXPECT_EQ(campos, columnas.value(n.IDNodo) + 1) << "node " << n.IDNodo;
                // The last column is the record id, the key of the listed table.
                if (campos >= 2)
                    EXPECT_TRUE(rs.Fields()[campos - 1].name().startsWith(QLatin1String("ID"), Qt::CaseInsensitive))
                        << "node " << n.IDNodo;
                else
                    ADD_FAILURE() << "node " << n.IDNodo << " lists no column besides the id";
                ++ejecutadas;
            } catch (const vb::VbError& e) {
                ADD_FAILURE() << "node " << n.IDNodo << ": " << e.description().toStdString();
            }
        }
        EXPECT_EQ(ejecutadas, esperadas);
    }
};

TEST_F(ConsultasListaTest, QueriesOf212RunOnTheFreshDatabases)
{
    ComprobarConsultas(DatosSemilla::NodosV212(), DatosSemilla::CamposV212(), 29);
}

TEST_F(ConsultasListaTest, QueriesOf210RunOnTheFreshDatabases)
{
    // The 2.1.0 amount columns are the peseta ones, which the current layout keeps.
    ComprobarConsultas(DatosSemilla::NodosV210(), DatosSemilla::CamposV210(), 28);
}

class SemillasContabilidadTest : public ::testing::Test {
protected:
    SemillasContabilidadTest() { CrearEstructuraContabilidad(contabilidad.con); }

    qint64 Cuenta(const char* tabla) { return contabilidad.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla).toInt64(); }

    testsupport::TempDatabase contabilidad{QStringLiteral("Contabilidad.mdb")};
};

TEST_F(SemillasContabilidadTest, FreshDefaultsAreComplete)
{
    SembrarContabilidadNueva(contabilidad.con);
    EXPECT_EQ(Cuenta("Predet_Cuenta"), 289);
    EXPECT_EQ(Cuenta("Predet_Estructura"), 68);
    EXPECT_EQ(Cuenta("Predet_Rel_Estructura_Cuenta"), 156);
    EXPECT_EQ(contabilidad.scalar("SELECT COUNT(*) FROM Predet_Estructura WHERE Formula = \"\"").toInt64(), 66);
    EXPECT_EQ(contabilidad.scalar("SELECT COUNT(*) FROM Predet_Estructura WHERE Formula IS NULL").toInt64(), 0);
    db::Recordset rs = contabilidad.con.Execute("SELECT Codigo, Descripcion FROM Predet_Cuenta WHERE IDCuenta = 1");
    EXPECT_EQ(rs.value(0).toString(), QLatin1String("1"));
    EXPECT_EQ(rs.value(1).toString(), QString::fromUtf8("FINANCIACIÓN BÁSICA"));
    // Every link names a level-4 account.
    EXPECT_EQ(contabilidad.scalar("SELECT COUNT(*) FROM Predet_Rel_Estructura_Cuenta, Predet_Cuenta "
                                  "WHERE codCuenta = IDCuenta AND Nivel = 4").toInt64(),
              156);
}

TEST_F(SemillasContabilidadTest, RenewingTwiceLeavesTheSameRows)
{
    RenovarTablasPredeterminadas(contabilidad.con);
    RenovarTablasPredeterminadas(contabilidad.con);
    EXPECT_EQ(Cuenta("Predet_Cuenta"), 289);
    EXPECT_EQ(Cuenta("Predet_Estructura"), 68);
    EXPECT_EQ(Cuenta("Predet_Rel_Estructura_Cuenta"), 156);
}

TEST_F(SemillasContabilidadTest, AFailureRollsEveryDefaultTableBack)
{
    RenovarTablasPredeterminadas(contabilidad.con);
    contabilidad.con.Execute("DELETE * FROM Predet_Cuenta WHERE IDCuenta > 100");
    contabilidad.con.Execute("DROP TABLE Predet_Rel_Estructura_Cuenta");
    EXPECT_THROW(RenovarTablasPredeterminadas(contabilidad.con), vb::VbError);
    EXPECT_FALSE(contabilidad.con.InTransaction());
    EXPECT_EQ(Cuenta("Predet_Cuenta"), 100);
    EXPECT_EQ(Cuenta("Predet_Estructura"), 68);
}

TEST_F(SemillasContabilidadTest, KeyedDefaultsStopAtTheFirstDuplicate)
{
    db::Transaction t(contabilidad.con);
    InsertarCuentasPredeterminadas(contabilidad.con);
    EsperarError(db::err::DuplicateKey, [&] { InsertarCuentasPredeterminadas(contabilidad.con); });
    EXPECT_EQ(Cuenta("Predet_Cuenta"), 289);
}

} // namespace
