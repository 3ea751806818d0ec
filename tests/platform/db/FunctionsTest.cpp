#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

namespace {

using testsupport::ErrorNumberOf;

struct Expr {
    const char* jet;      // expression in a SELECT without FROM
    const char* expected; // Value::toString() of the result; "<null>" for Null
};

class JetFunctionsTest : public testsupport::TempDatabaseTest {
protected:
    QString eval(const char* expr)
    {
        const db::Value v = scalar(QStringLiteral("SELECT ") + QString::fromUtf8(expr));
        return v.isNull() ? QStringLiteral("<null>") : v.toString();
    }
};

TEST_F(JetFunctionsTest, VbSemantics)
{
    const Expr cases[] = {
        {"Val('12abc')", "12"},
        {"Val(' 1 2.5x')", "12,5"},
        {"Val('abc')", "0"},
        {"Val(Null)", "<null>"},
        {"CCur(12.345678)", "12,3457"},
        {"CCur('12,5')", "12,5"},
        {"CLng(2.5)", "2"},
        {"CLng(3.5)", "4"},
        {"CLng('7')", "7"},
        {"CStr(1.5)", "1,5"},
        {"CStr(10)", "10"},
        {"CStr(Null)", "<null>"},
        {"IIf(1 > 0, 'si', 'no')", "si"},
        {"IIf(Null, 'si', 'no')", "no"},
        {"Mid('ABCDEFGHIJ', 7, 4)", "GHIJ"},
        {"Mid('ABCDE', 7, 4)", ""},
        {"Mid('ABCDE', 3)", "CDE"},
        {"Mid(Null, 1, 2)", "<null>"},
        {"Left('Ñandú', 2)", "Ña"},
        {"Right('Ñandú', 2)", "dú"},
        {"Left('ab', 5)", "ab"},
        {"Len('Ñandú')", "5"},
        {"Len(Null)", "<null>"},
        {"Len(123)", "3"},
        {"Trim('  a b  ')", "a b"},
        {"LTrim('  a ')", "a "},
        {"RTrim('  a ')", "  a"},
        {"UCase('ñandú')", "ÑANDÚ"},
        {"LCase('ÁRBOL')", "árbol"},
        {"IsNumeric('12,5')", "-1"},
        {"IsNumeric('1.234')", "-1"},
        {"IsNumeric('X1')", "0"},
        {"IsNumeric(Null)", "0"},
        {"IsNumeric(7)", "-1"},
        {"IsNull(Null)", "-1"},
        {"IsNull('')", "0"},
        {"Nz(Null, 'x')", "x"},
        {"Nz('y', 'x')", "y"},
        {"Nz(Null)", ""},
        {"Format(1234.5, '##,##0.00')", "1.234,50"},
        {"Format(1234.5, '##,##0')", "1.235"},
        {"Format('abc')", "abc"},
        {"Null & 'x'", "x"},
        {"'a' & Null & 'b'", "ab"},
        {"Null & Null", "<null>"},
        {"1.5 & ''", "1,5"},
        {"'a' + 'b'", "ab"},
        {"1 + '2'", "3"},
        {"1 + 2", "3"},
        {"'a' + Null", "<null>"},
        {"CLng(CStr(12)+CStr(3)+CStr(45))", "12345"},
    };
    for (const Expr& c : cases)
        EXPECT_EQ(eval(c.jet), QString::fromUtf8(c.expected)) << c.jet;
}

TEST_F(JetFunctionsTest, VbFailuresKeepTheirNumbers)
{
    const std::pair<const char*, long> cases[] = {
        {"SELECT Mid('abc', 0, 1)", 5},
        {"SELECT Left('abc', -1)", 5},
        {"SELECT Left('abc', Null)", 94},
        {"SELECT CLng(3000000000)", 6},
        {"SELECT CCur('abc')", 13},
        {"SELECT 'a' + 1", 3464},
    };
    for (const auto& [sql, number] : cases)
        EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QString::fromUtf8(sql)); }), number) << sql;
}

TEST_F(JetFunctionsTest, LikePatternMayChangeFromRowToRow)
{
    exec({"CREATE TABLE L (Texto NVARCHAR(20), Patron NVARCHAR(20))"});
    const char* rows[][2] = {{"Edgar", "%gar"}, {"Edgar", "%dg%"}, {"Edgar", "x%"}, {"Núñez", "n_ñ*"}, {"Pepa", "Pe#a"}};
    for (const auto& [text, pattern] : rows)
        con.Exec(QStringLiteral("INSERT INTO L (Texto, Patron) VALUES (?, ?)"), {QString::fromUtf8(text), QString::fromUtf8(pattern)});
    EXPECT_EQ(column(QStringLiteral("SELECT Patron FROM L WHERE Texto LIKE Patron")), (QStringList{"%gar", "%dg%", QString::fromUtf8("n_ñ*")}));
}

TEST_F(JetFunctionsTest, EntryNumbersHeldAsTextSortByVal)
{
    exec({"CREATE TABLE Bautismo (IDBautismo COUNTER PRIMARY KEY, Folio NVARCHAR(10), Numero NVARCHAR(10))"});
    for (const char* n : {"10", "9", "2 bis", "100", "1"})
        con.Exec(QStringLiteral("INSERT INTO Bautismo (Folio, Numero) VALUES ('1', ?)"), {QString::fromUtf8(n)});
    exec({"INSERT INTO Bautismo (Folio) VALUES ('1')"});
    EXPECT_EQ(column(QStringLiteral("SELECT Numero FROM Bautismo ORDER BY Bautismo.Folio, Val(Bautismo.Numero)")),
              (QStringList{"<null>", "1", "2 bis", "9", "10", "100"}));
}

TEST_F(JetFunctionsTest, TextComparesWithoutCaseOrAccentsInSpanishOrder)
{
    exec({"CREATE TABLE P (Nombre NVARCHAR(30))"});
    for (const char* n : {"Ñúñez", "Nuñez", "Álvarez", "alonso", "Zapata", "nuñez"})
        con.Exec(QStringLiteral("INSERT INTO P (Nombre) VALUES (?)"), {QString::fromUtf8(n)});
    QStringList sorted = column(QStringLiteral("SELECT Nombre FROM P ORDER BY Nombre"));
    for (QString& n : sorted)
        n = n.toLower();
    EXPECT_EQ(sorted, QString::fromUtf8("alonso,álvarez,nuñez,nuñez,ñúñez,zapata").split(u','));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM P WHERE Nombre = 'ALVAREZ'").toInt64(), 1);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM P WHERE Nombre = 'NUÑEZ'").toInt64(), 2);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM P WHERE Nombre <> 'nuñez'").toInt64(), 4);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM P WHERE Nombre LIKE '%UÑ%'").toInt64(), 3); // Ñúñez too: ú is u
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM P WHERE Nombre LIKE 'al*'").toInt64(), 2);
    // Expressions compare the same way as columns.
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM P WHERE UCase(Left(Nombre, 1)) = 'a'").toInt64(), 2);
    EXPECT_EQ(column(QStringLiteral("SELECT Nombre FROM P ORDER BY Mid(Nombre, 2)")).first(), QStringLiteral("Zapata"));
}

} // namespace
