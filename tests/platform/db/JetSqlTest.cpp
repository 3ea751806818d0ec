#include "platform/db/JetSql.h"

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    const char* jet;
    const char* sqlite;
};

class Translation : public ::testing::TestWithParam<Case> {};

TEST_P(Translation, GivesSqliteText)
{
    EXPECT_EQ(db::TranslateJetSql(QString::fromUtf8(GetParam().jet)), GetParam().sqlite);
}

// Text literals always end as single-quoted SQLite strings under the Jet
// collation, never as identifiers.
const Case kCases[] = {
    {"double_quoted_literal", R"(SELECT * FROM T WHERE Nombre = "Nombre")",
     "SELECT * FROM T WHERE Nombre = 'Nombre' COLLATE JET"},
    {"inner_quotes", R"(UPDATE T SET a = "O'Neil ""X""")", "UPDATE T SET a = 'O''Neil \"X\"' COLLATE JET"},
    {"single_quoted_literal", "SELECT a FROM T WHERE b = 'it''s'", "SELECT a FROM T WHERE b = 'it''s' COLLATE JET"},
    {"crlf_kept_in_literal", "INSERT INTO T (a) VALUES (\"x\r\ny\")", "INSERT INTO T (a) VALUES ('x\r\ny' COLLATE JET)"},
    {"delete_star", "DELETE * FROM Campo", "DELETE FROM Campo"},
    {"delete_table_star", "DELETE Tareas.* FROM Tareas WHERE IDTarea=3", "DELETE FROM Tareas WHERE IDTarea=3"},
    {"true_false", "UPDATE Informacion SET Vodidazaz=True, Contabilidad=False", "UPDATE Informacion SET Vodidazaz=-1, Contabilidad=0"},
    {"qualified_true_is_a_name", "SELECT T.True FROM T", "SELECT T.True FROM T"},
    {"concat", "SELECT a & b & 'x' FROM T", "SELECT jet_concat(a, b, 'x' COLLATE JET) FROM T"},
    {"concat_binds_looser_than_plus", "SELECT a & b + 1 FROM T", "SELECT jet_concat(a, jet_add(b, 1)) FROM T"},
    {"concat_in_comparison", "SELECT * FROM T WHERE a & b = 'xy'", "SELECT * FROM T WHERE jet_concat(a, b) = 'xy' COLLATE JET"},
    {"plus", "SELECT CStr(a)+CStr(b) AS x FROM T", "SELECT jet_add(jet_cstr(a), jet_cstr(b)) AS x FROM T"},
    {"plus_minus_chain", "SELECT a - b + c * 2 FROM T", "SELECT jet_add(a - b, c * 2) FROM T"},
    {"unary_minus_untouched", "SELECT a FROM T WHERE b = -1", "SELECT a FROM T WHERE b = -1"},
    {"top", "SELECT TOP 1 Nuevo AS Campo FROM Libro_Bautismo", "SELECT Nuevo AS Campo FROM Libro_Bautismo LIMIT 1"},
    {"top_after_distinct", "SELECT DISTINCT TOP 5 a FROM T ORDER BY a", "SELECT DISTINCT a FROM T ORDER BY a LIMIT 5"},
    {"top_in_subquery", "SELECT a FROM T WHERE a IN (SELECT TOP 2 b FROM U)", "SELECT a FROM T WHERE a IN (SELECT b FROM U LIMIT 2)"},
    {"distinctrow", "SELECT DISTINCTROW a FROM T", "SELECT ALL a FROM T"},
    {"date_us_order", "SELECT * FROM T WHERE d > #12/31/2004#", "SELECT * FROM T WHERE d > '2004-12-31'"},
    {"date_iso_time", "SELECT * FROM T WHERE d = #2005-01-02 13:05#", "SELECT * FROM T WHERE d = '2005-01-02 13:05:00'"},
    {"like_pattern_untouched", R"(SELECT * FROM T WHERE a LIKE "%25*?%")", "SELECT * FROM T WHERE a LIKE '%25*?%' COLLATE JET"},
    {"functions_renamed", "SELECT Mid(a,1,2), LEFT(a,1), right$(a,1), UCase(a), Val(n), Nz(a) FROM T",
     "SELECT jet_mid(a,1,2), jet_left(a,1), jet_right(a,1), jet_ucase(a), jet_val(n), jet_nz(a) FROM T"},
    {"aggregates_kept", "SELECT Count(*), Sum(x), Max(y) FROM T", "SELECT Count(*), Sum(x), Max(y) FROM T"},
    {"multi_table_update",
     "UPDATE Asiento, Apunte SET ConceptoAsiento = Apunte.Concepto WHERE Asiento.IDAsiento = Apunte.codAsiento",
     "UPDATE Asiento SET ConceptoAsiento = Apunte.Concepto FROM Apunte WHERE Asiento.IDAsiento = Apunte.codAsiento"},
    {"multi_table_update_qualified_target", "UPDATE a, b SET b.x = a.y WHERE a.id = b.id",
     "UPDATE b SET x = a.y FROM a WHERE a.id = b.id"},
    {"set_qualifier_dropped", "UPDATE Cuenta SET Cuenta.Saldo = 0", "UPDATE Cuenta SET Saldo = 0"},
    {"brackets_and_accents", "SELECT [Año], AñoEjercicio FROM [Empresa] ORDER BY año",
     "SELECT [Año], AñoEjercicio FROM [Empresa] ORDER BY año"},
    {"order_by_expression_collated", "SELECT a FROM T ORDER BY T.a, Val(b) DESC, 2",
     "SELECT a FROM T ORDER BY T.a, jet_val(b) COLLATE JET DESC, 2"},
    {"trailing_semicolons", "SELECT a FROM T;;", "SELECT a FROM T"},
    {"mod_operator", "SELECT a Mod 2 FROM T", "SELECT a % 2 FROM T"},
    {"not_in_subquery", "SELECT * FROM I WHERE ID NOT IN (SELECT ID FROM I WHERE x<>'')",
     "SELECT * FROM I WHERE ID NOT IN (SELECT ID FROM I WHERE x<>'' COLLATE JET)"},
    {"parameters_kept", "SELECT a FROM T WHERE b = ? AND c = ?", "SELECT a FROM T WHERE b = ? AND c = ?"},
};

INSTANTIATE_TEST_SUITE_P(JetSql, Translation, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JetSqlClassification, DdlIsLeftToTheSchemaRunner)
{
    using K = db::JetStatementKind;
    const std::pair<const char*, K> cases[] = {
        {"CREATE TABLE [Grupo]", K::CreateTable},
        {"ALTER TABLE [Grupo] ADD COLUMN [IDGrupo] COUNTER PRIMARY KEY", K::AlterTable},
        {"DROP TABLE Misa", K::DropTable},
        {"CREATE UNIQUE INDEX i ON T (a)", K::CreateIndex},
        {"DROP INDEX i ON T", K::DropIndex},
        {"SELECT 1", K::Query},
        {"(SELECT 1)", K::Query},
        {"INSERT INTO T VALUES (1)", K::Command},
    };
    for (const auto& [sql, kind] : cases)
        EXPECT_EQ(db::TranslateJet(QString::fromUtf8(sql)).kind, kind) << sql;
}

TEST(JetSqlErrors, MalformedTextRaisesSyntaxError)
{
    const char* bad[] = {"SELECT \"unterminated FROM T", "SELECT [a FROM T", "SELECT (a FROM T", "SELECT a) FROM T",
                         "SELECT & a FROM T", "SELECT * FROM T WHERE d = #13/45/2004#", "SELECT TOP 5 PERCENT a FROM T"};
    for (const char* sql : bad)
        EXPECT_EQ(testsupport::ErrorNumberOf([&] { db::TranslateJetSql(QString::fromUtf8(sql)); }), 3075) << sql;
}

TEST(JetSqlCache, RepeatedTextGivesSameTranslation)
{
    const QString sql = QStringLiteral("SELECT a & \"b\" FROM T");
    EXPECT_EQ(db::TranslateJetSql(sql), db::TranslateJetSql(sql));
    EXPECT_EQ(db::TranslateJetNoCache(sql).sql, db::TranslateJetSql(sql));
}

} // namespace
