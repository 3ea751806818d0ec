#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include "platform/db/DataTypes.h"

namespace {

using testsupport::ErrorNumberOf;

struct ColumnInfo {
    QString name;
    QString type;
    QString defaultValue;
    int pk = 0;
    bool operator==(const ColumnInfo&) const = default;
};

class DdlTest : public testsupport::TempDatabaseTest {
protected:
    std::vector<ColumnInfo> tableInfo(const QString& table)
    {
        std::vector<ColumnInfo> out;
        db::Recordset rs = con.Query(QStringLiteral("SELECT name, type, dflt_value, pk FROM pragma_table_info(?)"), {table});
        for (; !rs.EOF_(); rs.MoveNext())
            out.push_back({rs[0].Value().toString(), rs[1].Value().toString(), rs[2].Value().toString(), int(rs[3].Value().toInt64())});
        return out;
    }

    QStringList indexNames(const QString& table)
    {
        QStringList out;
        db::Recordset rs = con.Query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? AND sql IS NOT NULL ORDER BY name"), {table});
        for (; !rs.EOF_(); rs.MoveNext())
            out << rs[0].Value().toString();
        return out;
    }
};

TEST_F(DdlTest, CreateTableKeepsJetTypesAndAdoCodes)
{
    exec({"CREATE TABLE [Todo] (Id COUNTER PRIMARY KEY, A NVARCHAR(50) NULL DEFAULT \"\", B VARCHAR(10) DEFAULT \"000\", "
          "C TEXT, D MEMO, E INT DEFAULT 0, F LONG, G SMALLINT, H BYTE, I FLOAT, J DOUBLE, K CURRENCY, L BIT DEFAULT False, "
          "M YESNO, N DATETIME, O LONGBINARY)"});
    const std::vector<ColumnInfo> expected = {
        {"Id", "INTEGER", "", 1},         {"A", "NVARCHAR(50)", "''", 0}, {"B", "VARCHAR(10)", "'000'", 0},
        {"C", "TEXT", "", 0},             {"D", "LONGTEXT", "", 0},       {"E", "INT", "0", 0},
        {"F", "LONG", "", 0},             {"G", "SMALLINT", "", 0},       {"H", "BYTE", "", 0},
        {"I", "FLOAT", "", 0},            {"J", "DOUBLE", "", 0},         {"K", "CURRENCY", "", 0},
        {"L", "BIT", "0", 0},             {"M", "YESNO", "", 0},          {"N", "DATETIME", "", 0},
        {"O", "LONGBINARY", "", 0},
    };
    EXPECT_EQ(tableInfo(QStringLiteral("Todo")), expected);

    const std::pair<const char*, std::pair<int, long>> fields[] = {
        {"Id", {db::adInteger, 4}},        {"A", {db::adVarWChar, 50}},       {"B", {db::adVarWChar, 10}},
        {"C", {db::adLongVarWChar, 536870910}}, {"D", {db::adLongVarWChar, 536870910}}, {"E", {db::adInteger, 4}},
        {"F", {db::adInteger, 4}},         {"G", {db::adSmallInt, 2}},        {"H", {db::adUnsignedTinyInt, 1}},
        {"I", {db::adDouble, 8}},          {"J", {db::adDouble, 8}},          {"K", {db::adCurrency, 8}},
        {"L", {db::adBoolean, 2}},         {"M", {db::adBoolean, 2}},         {"N", {db::adDate, 8}},
        {"O", {db::adLongVarBinary, 1073741823}},
    };
    for (const auto& [name, type] : fields) {
        db::Recordset rs = con.Execute(QStringLiteral("SELECT TOP 1 %1 AS Campo FROM Todo").arg(QString::fromUtf8(name)));
        EXPECT_EQ(rs[QStringLiteral("Campo")].Type(), type.first) << name;
        EXPECT_EQ(rs[QStringLiteral("Campo")].DefinedSize(), type.second) << name;
    }
}

TEST_F(DdlTest, DefaultsFillNewRows)
{
    exec({"CREATE TABLE T (Id COUNTER PRIMARY KEY, A NVARCHAR(5) DEFAULT \"000\", B INT DEFAULT 0, C BIT DEFAULT False, D YESNO DEFAULT True)",
          "INSERT INTO T (Id) VALUES (1)"});
    db::Recordset rs = con.Execute(QStringLiteral("SELECT A, B, C, D FROM T"));
    EXPECT_EQ(rs[0].Value().toString(), QStringLiteral("000"));
    EXPECT_EQ(rs[1].Value().toInt64(), 0);
    EXPECT_EQ(rs[2].Value().toString(), QStringLiteral("Falso"));
    EXPECT_EQ(rs[3].Value().toString(), QStringLiteral("Verdadero"));
}

TEST_F(DdlTest, TextWidthIsEnforcedInCharacters)
{
    exec({"CREATE TABLE T (A NVARCHAR(5))"});
    EXPECT_EQ(con.Exec(QStringLiteral("INSERT INTO T (A) VALUES (?)"), {QStringLiteral("ñáéíó")}), 1);
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("INSERT INTO T (A) VALUES ('123456')")); }), 3163);
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("UPDATE T SET A = A & 'x'")); }), 3163);
    EXPECT_EQ(scalar("SELECT A FROM T").toString(), QStringLiteral("ñáéíó"));
}

TEST_F(DdlTest, YesNoStoresMinusOneOrZero)
{
    // S is made with the table, B added to it later.
    exec({"CREATE TABLE T (Id INT, S YESNO)", "ALTER TABLE T ADD COLUMN B BIT", "INSERT INTO T (Id, S, B) VALUES (1, 1, 5)",
          "INSERT INTO T (Id, S, B) VALUES (2, True, 0)", "INSERT INTO T (Id, S) VALUES (3, Null)", "UPDATE T SET B = 7 WHERE Id = 2"});
    EXPECT_EQ(column(QStringLiteral("SELECT S + 0 FROM T ORDER BY Id")), (QStringList{"-1", "-1", "<null>"}));
    EXPECT_EQ(column(QStringLiteral("SELECT B + 0 FROM T ORDER BY Id")), (QStringList{"-1", "-1", "<null>"}));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM T WHERE S = True").toInt64(), 2);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM T WHERE S <> True AND S <> False").toInt64(), 0);
}

TEST_F(DdlTest, ColumnlessTableGetsItsColumnsAndCounterLater)
{
    exec({"CREATE TABLE [Grupo]"});
    db::Recordset empty = con.Execute(QStringLiteral("SELECT * FROM Grupo"));
    EXPECT_EQ(empty.Fields().Count(), 0);
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("SELECT IDGrupo FROM Grupo")); }), 3061);
    exec({"ALTER TABLE [Grupo] ADD COLUMN [IDGrupo] COUNTER PRIMARY KEY",
          "ALTER TABLE [Grupo] ADD COLUMN [Nombre] NVARCHAR(40) DEFAULT \"\"", "INSERT INTO Grupo (Nombre) VALUES ('A')",
          "INSERT INTO Grupo (Nombre) VALUES ('B')"});
    EXPECT_EQ(column(QStringLiteral("SELECT IDGrupo FROM Grupo ORDER BY Nombre")), (QStringList{"1", "2"}));
    EXPECT_EQ(tableInfo(QStringLiteral("Grupo")),
              (std::vector<ColumnInfo>{{"IDGrupo", "INTEGER", "", 1}, {"Nombre", "NVARCHAR(40)", "''", 0}}));
}

TEST_F(DdlTest, KeyAddedToColumnlessTableIsRequiredAndUnique)
{
    exec({"CREATE TABLE [Destinatarios]", "ALTER TABLE [Destinatarios] ADD COLUMN [IDDestinatario] INT PRIMARY KEY",
          "ALTER TABLE [Destinatarios] ADD COLUMN [Cuenta] NVARCHAR(50) DEFAULT \"\"", "INSERT INTO Destinatarios (IDDestinatario) VALUES (7)"});
    EXPECT_EQ(tableInfo(QStringLiteral("Destinatarios")).front(), (ColumnInfo{"IDDestinatario", "INT", "", 1}));
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("INSERT INTO Destinatarios (IDDestinatario) VALUES (7)")); }), 3022);
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("INSERT INTO Destinatarios (Cuenta) VALUES ('x')")); }), 3314);
}

TEST_F(DdlTest, CounterAddedToFilledTableNumbersItsRows)
{
    exec({"CREATE TABLE T (A NVARCHAR(5))", "INSERT INTO T (A) VALUES ('x')", "INSERT INTO T (A) VALUES ('y')",
          "ALTER TABLE T ADD COLUMN Id COUNTER PRIMARY KEY", "INSERT INTO T (A) VALUES ('z')"});
    EXPECT_EQ(column(QStringLiteral("SELECT Id FROM T ORDER BY A")), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("ALTER TABLE T ADD COLUMN Otro INT PRIMARY KEY")); }), 3283);
}

TEST_F(DdlTest, AddColumnLeavesExistingRowsWithoutValue)
{
    exec({"CREATE TABLE T (Id INT)", "INSERT INTO T (Id) VALUES (1)", "ALTER TABLE [T] ADD COLUMN [V] NVARCHAR(12) DEFAULT \"\"",
          "INSERT INTO T (Id) VALUES (2)"});
    db::Recordset rs = con.Execute(QStringLiteral("SELECT V FROM T ORDER BY Id"));
    EXPECT_TRUE(rs[0].Value().isNull());
    rs.MoveNext();
    EXPECT_EQ(rs[0].Value().toString(), QString());
    EXPECT_FALSE(rs[0].Value().isNull());
}

TEST_F(DdlTest, AlterColumnKeepsDataIndexesAndCounter)
{
    exec({"CREATE TABLE T (Id COUNTER PRIMARY KEY, Codigo NVARCHAR(10), Nota NVARCHAR(5) DEFAULT \"a\")",
          "CREATE UNIQUE INDEX iCodigo ON T (Codigo)", "INSERT INTO T (Codigo, Nota) VALUES ('0012', 'x')",
          "INSERT INTO T (Codigo, Nota) VALUES ('7', 'y')", "DELETE FROM T WHERE Codigo = '7'",
          "ALTER TABLE [T] ALTER COLUMN [Codigo] NVARCHAR(12) DEFAULT \"\"", "ALTER TABLE [T] ALTER COLUMN [Nota] NVARCHAR(50)"});
    EXPECT_EQ(tableInfo(QStringLiteral("T")), (std::vector<ColumnInfo>{{"Id", "INTEGER", "", 1},
                                                                      {"Codigo", "NVARCHAR(12)", "''", 0},
                                                                      {"Nota", "NVARCHAR(50)", "", 0}}));
    EXPECT_EQ(scalar("SELECT Codigo & '|' & Nota FROM T").toString(), QStringLiteral("0012|x"));
    EXPECT_EQ(indexNames(QStringLiteral("T")), QStringList{QStringLiteral("T_iCodigo")});
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("INSERT INTO T (Codigo) VALUES ('0012')")); }), 3022);
    exec({"INSERT INTO T (Codigo) VALUES ('nuevo')"});
    EXPECT_EQ(scalar("SELECT Id FROM T WHERE Codigo = 'nuevo'").toInt64(), 3); // the counter goes on
}

TEST_F(DdlTest, AlterColumnChangesTypeConvertingValues)
{
    exec({"CREATE TABLE T (Importe NVARCHAR(20))", "INSERT INTO T (Importe) VALUES ('12.5')",
          "ALTER TABLE T ALTER COLUMN Importe FLOAT"});
    EXPECT_EQ(scalar("SELECT Importe FROM T").type(), db::Value::Kind::Double);
    EXPECT_EQ(scalar("SELECT Importe FROM T").toDouble(), 12.5);

    exec({"CREATE TABLE U (A NVARCHAR(20))", "INSERT INTO U (A) VALUES ('no es número')"});
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("ALTER TABLE U ALTER COLUMN A INT")); }), 3421);
    EXPECT_EQ(tableInfo(QStringLiteral("U")).front().type, QStringLiteral("NVARCHAR(20)"));
}

TEST_F(DdlTest, NarrowingBelowStoredTextFailsAndKeepsTheTable)
{
    exec({"CREATE TABLE T (Obs NVARCHAR(255))", "INSERT INTO T (Obs) VALUES ('texto largo')"});
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("ALTER TABLE [T] ALTER COLUMN [Obs] NVARCHAR(5)")); }), 3163);
    EXPECT_EQ(tableInfo(QStringLiteral("T")).front().type, QStringLiteral("NVARCHAR(255)"));
    exec({"UPDATE T SET Obs = LEFT(Obs,5)", "ALTER TABLE [T] ALTER COLUMN [Obs] NVARCHAR(5)"});
    EXPECT_EQ(scalar("SELECT Obs FROM T").toString(), QStringLiteral("texto"));
}

TEST_F(DdlTest, AlterColumnRolledBackLeavesTableAsItWas)
{
    exec({"CREATE TABLE T (Id INT, Nombre NVARCHAR(10))", "CREATE INDEX iNombre ON T (Nombre)", "INSERT INTO T VALUES (1, 'uno')"});
    const auto before = tableInfo(QStringLiteral("T"));
    con.BeginTrans();
    exec({"ALTER TABLE [T] ALTER COLUMN [Nombre] NVARCHAR(40) DEFAULT \"x\"", "ALTER TABLE T DROP COLUMN Id",
          "ALTER TABLE T ADD COLUMN Nuevo YESNO"});
    con.RollbackTrans();
    EXPECT_EQ(tableInfo(QStringLiteral("T")), before);
    EXPECT_EQ(indexNames(QStringLiteral("T")), QStringList{QStringLiteral("T_iNombre")});
    EXPECT_EQ(scalar("SELECT Nombre FROM T WHERE Id = 1").toString(), QStringLiteral("uno"));
}

TEST_F(DdlTest, DropColumnKeepsOtherData)
{
    exec({"CREATE TABLE [ComunidadAutonoma] (IdComunidad COUNTER PRIMARY KEY, Nombre NVARCHAR(40), CodDeduccion INT, Codigo NVARCHAR(2))",
          "INSERT INTO ComunidadAutonoma (Nombre, CodDeduccion, Codigo) VALUES ('Madrid', 3, '12')",
          "ALTER TABLE [ComunidadAutonoma] DROP COLUMN [CodDeduccion]"});
    EXPECT_EQ(tableInfo(QStringLiteral("ComunidadAutonoma")).size(), 3u);
    EXPECT_EQ(scalar("SELECT Nombre & Codigo FROM ComunidadAutonoma WHERE IdComunidad = 1").toString(), QStringLiteral("Madrid12"));
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("SELECT CodDeduccion FROM ComunidadAutonoma")); }), 3061);
}

TEST_F(DdlTest, FailuresCarryJetNumbers)
{
    exec({"CREATE TABLE T (Id COUNTER PRIMARY KEY, A INT, B INT)", "CREATE INDEX iA ON T (A)"});
    const std::pair<const char*, long> cases[] = {
        {"CREATE TABLE T (X INT)", 3010},
        {"CREATE TABLE V (X NOSUCHTYPE)", 3290},
        {"ALTER TABLE T ADD COLUMN A INT", 3380},
        {"ALTER TABLE T ALTER COLUMN Falta INT", 3265},
        {"ALTER TABLE T DROP COLUMN Falta", 3265},
        {"ALTER TABLE T DROP COLUMN A", 3280},
        {"ALTER TABLE T DROP COLUMN Id", 3280},
        {"ALTER TABLE NoExiste ADD COLUMN X INT", 3078},
        {"ALTER TABLE T FROB X", 3293},
        {"DROP TABLE NoExiste", 3376},
    };
    for (const auto& [sql, number] : cases)
        EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QString::fromUtf8(sql)); }), number) << sql;
    exec({"DROP INDEX iA ON T", "ALTER TABLE T DROP COLUMN A", "DROP TABLE T"});
}

} // namespace
