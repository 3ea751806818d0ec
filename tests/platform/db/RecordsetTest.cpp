#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include "platform/db/DataTypes.h"
#include "platform/db/Transaction.h"

namespace {

using testsupport::ErrorNumberOf;

class RecordsetTest : public testsupport::TempDatabaseTest {
protected:
    void SetUp() override
    {
        exec({"CREATE TABLE N (ID COUNTER PRIMARY KEY, Nombre NVARCHAR(20), Activo YESNO, Importe CURRENCY, Precio FLOAT)"});
        db::Transaction batch(con);
        for (int i = 1; i <= 60; ++i)
            con.Exec(QStringLiteral("INSERT INTO N (Nombre, Activo, Importe, Precio) VALUES (?, ?, ?, ?)"),
                     {QStringLiteral("n%1").arg(i, 2, 10, QLatin1Char('0')), i % 2 == 0, i * 1.25, i / 4.0});
        batch.Commit();
    }

    db::Recordset all() { return con.Execute(QStringLiteral("SELECT Nombre, ID FROM N ORDER BY ID")); }
};

TEST_F(RecordsetTest, CountIsExactBeforeReading)
{
    db::Recordset rs = all();
    EXPECT_EQ(rs.RecordCount(), 60);
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    EXPECT_FALSE(rs.BOF());
    EXPECT_FALSE(rs.EOF_());
}

TEST_F(RecordsetTest, MovesLikeAnAdoClientCursor)
{
    db::Recordset rs = all();
    rs.MoveLast();
    EXPECT_EQ(rs.AbsolutePosition(), 60);
    rs.MoveNext();
    EXPECT_TRUE(rs.EOF_());
    EXPECT_EQ(rs.AbsolutePosition(), db::Recordset::adPosEOF);
    EXPECT_EQ(ErrorNumberOf([&] { rs.MoveNext(); }), 3021);
    EXPECT_EQ(ErrorNumberOf([&] { rs.Fields()[0].Value(); }), 3021);
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.BOF());
    EXPECT_EQ(ErrorNumberOf([&] { rs.MovePrevious(); }), 3021);
    rs.MoveFirst();
    rs.Move(9);
    EXPECT_EQ(rs.value(QStringLiteral("nombre")).toString(), QStringLiteral("n10"));
    rs.Move(-3);
    EXPECT_EQ(rs.AbsolutePosition(), 7);
    rs.Move(1000);
    EXPECT_TRUE(rs.EOF_());
}

TEST_F(RecordsetTest, EmptyResultIsAtBofAndEof)
{
    db::Recordset rs = con.Execute(QStringLiteral("SELECT * FROM N WHERE ID < 0"));
    EXPECT_TRUE(rs.BOF());
    EXPECT_TRUE(rs.EOF_());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(ErrorNumberOf([&] { rs.MoveFirst(); }), 3021);
    EXPECT_EQ(rs.Fields().Count(), 5);
}

TEST_F(RecordsetTest, GetRowsReadsOnePageFromABookmark)
{
    struct Page {
        double start;
        long size;
        int first;
        int count;
    };
    const Page pages[] = {{1, 24, 1, 24}, {25, 24, 25, 24}, {49, 24, 49, 12}, {60, 5, 60, 1}};
    for (const Page& p : pages) {
        db::Recordset rs = all();
        const db::RowBlock block = rs.GetRows(p.size, p.start);
        EXPECT_EQ(block.FieldCount(), 2);
        ASSERT_EQ(block.RecordCount(), p.count) << p.start;
        EXPECT_EQ(block(1, 0).toInt64(), p.first);
        EXPECT_EQ(block(1, p.count - 1).toInt64(), p.first + p.count - 1);
        if (p.first + p.count > 60)
            EXPECT_TRUE(rs.EOF_());
        else
            EXPECT_EQ(rs.AbsolutePosition(), p.first + p.count);
    }
    db::Recordset rs = all();
    EXPECT_EQ(ErrorNumberOf([&] { rs.GetRows(24, 61); }), 3001);
    rs.Move(10);
    EXPECT_EQ(rs.GetRows().RecordCount(), 50); // from the current record to the end
}

TEST_F(RecordsetTest, AllRowsReadsFromTheFirstRecordAndAnEmptyResultGivesNone)
{
    db::Recordset rs = all();
    rs.Move(10);
    const db::RowBlock block = db::AllRows(rs);
    ASSERT_EQ(block.RecordCount(), 60);
    EXPECT_EQ(block(1, 0).toInt64(), 1);
    const db::RowBlock none = db::AllRows(con.Query(QStringLiteral("SELECT ID FROM N WHERE ID > ?"), {qint64(60)}));
    EXPECT_EQ(none.RecordCount(), 0);
}

TEST_F(RecordsetTest, RowsReadAtOpenSurviveLaterChanges)
{
    db::Recordset rs = all();
    exec({"DELETE FROM N"});
    EXPECT_EQ(rs.RecordCount(), 60);
    rs.MoveLast();
    EXPECT_EQ(rs.value(QStringLiteral("Nombre")).toString(), QStringLiteral("n60"));
    rs.Requery();
    EXPECT_EQ(rs.RecordCount(), 0);
}

TEST_F(RecordsetTest, RequeryRunsTheStatementAgainWithItsParameters)
{
    db::Recordset rs = con.Query(QStringLiteral("SELECT ID FROM N WHERE ID > ?"), {qint64(58)});
    EXPECT_EQ(rs.RecordCount(), 2);
    exec({"INSERT INTO N (Nombre) VALUES ('nuevo')"});
    rs.MoveLast();
    rs.Requery();
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.AbsolutePosition(), 1);
}

TEST_F(RecordsetTest, OutlivesItsConnectionButCannotRequery)
{
    db::Recordset rs = all();
    con.Close();
    rs.MoveLast();
    EXPECT_EQ(rs.value(1).toInt64(), 60);
    EXPECT_EQ(ErrorNumberOf([&] { rs.Requery(); }), 3709);
}

TEST_F(RecordsetTest, CopiesShareOneCursorAndCloseEndsIt)
{
    db::Recordset a = all();
    db::Recordset b = a;
    a.MoveNext();
    EXPECT_EQ(b.AbsolutePosition(), 2);
    b.Close();
    EXPECT_EQ(a.State(), db::ObjectState::Closed);
    EXPECT_EQ(ErrorNumberOf([&] { a.RecordCount(); }), 3704);
}

TEST_F(RecordsetTest, FieldsByIndexAndByNameWithoutCase)
{
    db::Recordset rs = con.Execute(QStringLiteral("SELECT * FROM N WHERE ID = 2"));
    const db::Fields f = rs.Fields();
    EXPECT_EQ(f.Count(), 5);
    EXPECT_EQ(f[1].name(), QStringLiteral("Nombre"));
    EXPECT_EQ(f[QStringLiteral("NOMBRE")].Value().toString(), QStringLiteral("n02"));
    EXPECT_EQ(rs["importe"].Value().toCurrency(), vb::Currency::fromDouble(2.5));
    EXPECT_EQ(ErrorNumberOf([&] { f[QStringLiteral("Falta")]; }), 3265);
    EXPECT_EQ(ErrorNumberOf([&] { f[5]; }), 3265);
}

TEST_F(RecordsetTest, YesNoReadsAsBooleanAndSpanishText)
{
    db::Recordset rs = con.Execute(QStringLiteral("SELECT Activo FROM N WHERE ID IN (1, 2) ORDER BY ID"));
    EXPECT_EQ(rs[0].Value().type(), db::Value::Kind::Boolean);
    EXPECT_EQ(rs[0].Value().toString(), QStringLiteral("Falso"));
    rs.MoveNext();
    EXPECT_EQ(rs[0].Value().toString(), QStringLiteral("Verdadero"));
    EXPECT_EQ(scalar("SELECT Activo + 0 FROM N WHERE ID = 2").toInt64(), -1);
}

TEST_F(RecordsetTest, ExpressionFieldsTakeTheirTypeFromTheirValues)
{
    db::Recordset rs = con.Execute(QStringLiteral("SELECT COUNT(*) AS Total, MAX(Precio) * 2 AS Doble, 'x' AS Texto FROM N"));
    EXPECT_EQ(rs[QStringLiteral("Total")].Type(), db::adInteger);
    EXPECT_EQ(rs[QStringLiteral("Doble")].Type(), db::adDouble);
    EXPECT_EQ(rs[QStringLiteral("Texto")].Type(), db::adVarWChar);
}

// The same text runs on a kept statement; after the table changes its
// columns, names and types must be those of the table as it is now.
TEST_F(RecordsetTest, KeptStatementFollowsTableChanges)
{
    const QString sql = QStringLiteral("SELECT * FROM N WHERE ID = 3");
    EXPECT_EQ(con.Execute(sql).Fields().Count(), 5);
    exec({"ALTER TABLE N ADD COLUMN Nota NVARCHAR(10)", "UPDATE N SET Nota = 'tres' WHERE ID = 3"});
    db::Recordset added = con.Execute(sql);
    ASSERT_EQ(added.Fields().Count(), 6);
    EXPECT_EQ(added[5].name(), QStringLiteral("Nota"));
    EXPECT_EQ(added[QStringLiteral("Nota")].Value().toString(), QStringLiteral("tres"));
    exec({"ALTER TABLE N DROP COLUMN Nombre"});
    db::Recordset dropped = con.Execute(sql);
    ASSERT_EQ(dropped.Fields().Count(), 5);
    EXPECT_EQ(dropped.Fields().indexOf(QStringLiteral("Nombre")), -1);
    EXPECT_EQ(dropped[QStringLiteral("Nota")].Value().toString(), QStringLiteral("tres"));
    EXPECT_EQ(dropped[QStringLiteral("Activo")].Value().type(), db::Value::Kind::Boolean);
    exec({"ALTER TABLE N ALTER COLUMN Activo NVARCHAR(10)"});
    db::Recordset altered = con.Execute(sql);
    EXPECT_EQ(altered[QStringLiteral("Activo")].Type(), db::adVarWChar);
    EXPECT_EQ(altered[QStringLiteral("Activo")].Value().type(), db::Value::Kind::Text);
}

TEST_F(RecordsetTest, IndexedOrderByNeedsNoSort)
{
    exec({"CREATE TABLE P (ID COUNTER PRIMARY KEY, Nombre NVARCHAR(40), Apellido NVARCHAR(40))",
          "CREATE INDEX iNombre ON P (Nombre)", "CREATE INDEX iApellidos ON P (Apellido, Nombre)"});
    const char* queries[] = {"SELECT Nombre, ID FROM P ORDER BY Nombre", "SELECT TOP 24 Nombre, ID FROM P ORDER BY Nombre",
                             "SELECT * FROM P ORDER BY Apellido, Nombre", "SELECT * FROM P WHERE Nombre = 'ANA' ORDER BY Nombre"};
    for (const char* q : queries) {
        QStringList details;
        db::Recordset rs = con.Execute(QStringLiteral("EXPLAIN QUERY PLAN ") + QString::fromUtf8(q));
        for (; !rs.EOF_(); rs.MoveNext())
            details << rs[QStringLiteral("detail")].Value().toString();
        const std::string plan = details.join(u'|').toStdString();
        EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << q << ": " << plan;
        EXPECT_NE(plan.find(" INDEX "), std::string::npos) << q << ": " << plan;
    }
}

} // namespace
