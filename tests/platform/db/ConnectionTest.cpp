#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include "platform/db/DatabaseFiles.h"
#include "platform/db/Transaction.h"

#include <QFile>
#include <functional>
#include <sqlite3.h>

namespace {

using testsupport::ErrorNumberOf;

class ConnectionTest : public testsupport::TempDatabaseTest {
protected:
    ConnectionTest() : TempDatabaseTest(QStringLiteral("Duzediv.mdb"), QStringLiteral("clave")) {}

    void SetUp() override
    {
        exec({"CREATE TABLE T (ID COUNTER PRIMARY KEY, Nombre NVARCHAR(50))"});
    }
};

TEST_F(ConnectionTest, ReportsStateConnectionStringAndDataSource)
{
    EXPECT_EQ(con.State(), db::ObjectState::Open);
    EXPECT_EQ(con.Property(QStringLiteral("data source")), path());
    const QString cs = con.ConnectionString();
    EXPECT_TRUE(cs.startsWith(QLatin1String("Provider=Microsoft.Jet.OLEDB.4.0;"))) << cs.toStdString();
    EXPECT_TRUE(cs.contains(QStringLiteral("Data Source=%1;").arg(path()))) << cs.toStdString();
    EXPECT_TRUE(cs.contains(QLatin1String("Jet OLEDB:Database Password=clave"))) << cs.toStdString();
    EXPECT_TRUE(con.PropertyNames().contains(QStringLiteral("Data Source")));
    con.Close();
    EXPECT_EQ(con.State(), db::ObjectState::Closed);
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("SELECT 1")); }), 3709);
}

TEST_F(ConnectionTest, ReportedStringReopensTheSameDatabase)
{
    const QString cs = con.ConnectionString();
    con.Close();
    db::Connection again;
    again.Open(cs);
    EXPECT_EQ(again.State(), db::ObjectState::Open);
}

TEST_F(ConnectionTest, PasswordIsCheckedAtOpen)
{
    con.Close();
    const std::pair<QString, long> cases[] = {
        {QStringLiteral("clave"), 0},
        {QStringLiteral("otra"), 3031},
        {QString(), 3031},
        {QStringLiteral("CLAVE"), 3031},
    };
    for (const auto& [pw, expected] : cases) {
        db::Connection c;
        EXPECT_EQ(ErrorNumberOf([&] { c.Open(connectionString(pw)); }), expected) << pw.toStdString();
    }
}

TEST_F(ConnectionTest, DatabaseWithoutPasswordOpensWithOrWithoutOne)
{
    const QString plain = filePath(QStringLiteral("Informes.mdb"));
    db::CreateDatabase(plain);
    for (const char* pw : {"", "cualquiera"}) {
        db::Connection c;
        EXPECT_EQ(ErrorNumberOf([&] { c.Open(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=%2").arg(plain, QString::fromUtf8(pw))); }), 0);
    }
}

TEST_F(ConnectionTest, OpensFromPropertiesReadOnly)
{
    db::Connection c;
    c.setProperty(QStringLiteral("Data Source"), path());
    c.setProperty(QStringLiteral("Jet OLEDB:Database Password"), QStringLiteral("clave"));
    c.Open(QString(), true);
    EXPECT_EQ(c.Execute(QStringLiteral("SELECT COUNT(*) FROM T")).Fields()[0].Value().toInt64(), 0);
    EXPECT_EQ(ErrorNumberOf([&] { c.Execute(QStringLiteral("INSERT INTO T (Nombre) VALUES ('x')")); }), 3027);
    EXPECT_EQ(ErrorNumberOf([&] { c.Execute(QStringLiteral("DROP TABLE T")); }), 3027);

    db::Connection m;
    m.Open(connectionString() + QStringLiteral(";Mode=Read"));
    EXPECT_EQ(ErrorNumberOf([&] { m.Execute(QStringLiteral("DELETE FROM T")); }), 3027);
}

TEST_F(ConnectionTest, OpenFailuresCarryJetNumbers)
{
    db::Connection c;
    EXPECT_EQ(ErrorNumberOf([&] { c.Open(QStringLiteral("Data Source=%1").arg(filePath(QStringLiteral("No.mdb")))); }), 3024);
    const QString junk = filePath(QStringLiteral("Basura.mdb"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    EXPECT_EQ(ErrorNumberOf([&] { c.Open(QStringLiteral("Data Source=%1").arg(junk)); }), 3343);
    EXPECT_EQ(c.State(), db::ObjectState::Closed);
}

TEST_F(ConnectionTest, FileNameMatchesWithoutRegardToCase)
{
    db::Connection c;
    c.Open(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=clave").arg(filePath(QStringLiteral("DUZEDIV.MDB"))));
    EXPECT_EQ(c.State(), db::ObjectState::Open);
}

TEST_F(ConnectionTest, JournalStaysRollbackMode)
{
    EXPECT_EQ(scalar("PRAGMA journal_mode").toString(), QStringLiteral("delete"));
}

TEST_F(ConnectionTest, RefusesASecondStatement)
{
    exec({"INSERT INTO T (Nombre) VALUES ('a')"});
    const char* texts[] = {"DELETE FROM T; DROP TABLE T", "SELECT 1; SELECT 2", "DELETE FROM T;DELETE FROM T;"};
    for (const char* sql : texts)
        EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QString::fromUtf8(sql)); }), 3142) << sql;
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM T").toInt64(), 1);
}

TEST_F(ConnectionTest, CommandsReturnClosedRecordsetAndRowsAffected)
{
    exec({"INSERT INTO T (Nombre) VALUES ('a')", "INSERT INTO T (Nombre) VALUES ('b')"});
    long long affected = -1;
    db::Recordset rs = con.Execute(QStringLiteral("UPDATE T SET Nombre = 'c'"), &affected);
    EXPECT_EQ(rs.State(), db::ObjectState::Closed);
    EXPECT_EQ(affected, 2);
    EXPECT_EQ(ErrorNumberOf([&] { rs.EOF_(); }), 3704);
}

TEST_F(ConnectionTest, BoundParametersCarryUserTextUnchanged)
{
    const QString nasty = QStringLiteral("O'Neil \"el [raro]\" & %_ ñ");
    EXPECT_EQ(con.Exec(QStringLiteral("INSERT INTO T (Nombre) VALUES (?)"), {nasty}), 1);
    const long long id = con.LastInsertId();
    EXPECT_EQ(id, 1);
    db::Recordset rs = con.Query(QStringLiteral("SELECT Nombre FROM T WHERE ID = ? AND Nombre = ?"), {id, nasty});
    ASSERT_FALSE(rs.EOF_());
    EXPECT_EQ(rs[QStringLiteral("nombre")].Value().toString(), nasty);
    EXPECT_EQ(ErrorNumberOf([&] { con.Query(QStringLiteral("SELECT * FROM T WHERE ID = ?"), {}); }), 3061);
    EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QStringLiteral("SELECT * FROM T WHERE ID = ?")); }), 3061);
}

TEST_F(ConnectionTest, EngineFailuresCarryJetNumbers)
{
    exec({"INSERT INTO T (ID, Nombre) VALUES (1, 'a')"});
    const std::pair<const char*, long> cases[] = {
        {"SELECT * FROM NoExiste", 3078},
        {"SELECT NoExiste FROM T", 3061},
        {"INSERT INTO T (ID, Nombre) VALUES (1, 'b')", 3022},
        {"SELECT FROM WHERE", 3075},
        {"SELECT NoExiste(1) FROM T", 3085},
    };
    for (const auto& [sql, number] : cases)
        EXPECT_EQ(ErrorNumberOf([&] { con.Execute(QString::fromUtf8(sql)); }), number) << sql;
}

TEST_F(ConnectionTest, TransactionsNestAsInAdo)
{
    EXPECT_FALSE(con.InTransaction());
    EXPECT_EQ(con.BeginTrans(), 1);
    exec({"INSERT INTO T (Nombre) VALUES ('exterior')"});
    EXPECT_EQ(con.BeginTrans(), 2);
    exec({"INSERT INTO T (Nombre) VALUES ('interior')"});
    con.RollbackTrans();
    EXPECT_EQ(con.TransactionLevel(), 1);
    con.CommitTrans();
    EXPECT_FALSE(con.InTransaction());
    EXPECT_EQ(column(QStringLiteral("SELECT Nombre FROM T")), QStringList{QStringLiteral("exterior")});
    EXPECT_EQ(ErrorNumberOf([&] { con.CommitTrans(); }), 3034);
    EXPECT_EQ(ErrorNumberOf([&] { con.RollbackTrans(); }), 3034);
}

TEST_F(ConnectionTest, TransactionGuardRollsBackUnlessCommitted)
{
    {
        db::Transaction t(con);
        exec({"INSERT INTO T (Nombre) VALUES ('perdido')"});
    }
    {
        db::Transaction t(con);
        exec({"INSERT INTO T (Nombre) VALUES ('guardado')"});
        t.Commit();
    }
    EXPECT_EQ(column(QStringLiteral("SELECT Nombre FROM T")), QStringList{QStringLiteral("guardado")});
    EXPECT_FALSE(con.InTransaction());
}

TEST_F(ConnectionTest, SecondConnectionSeesCommittedChanges)
{
    db::Connection other;
    other.Open(connectionString());
    exec({"INSERT INTO T (Nombre) VALUES ('a')"});
    EXPECT_EQ(other.Execute(QStringLiteral("SELECT COUNT(*) FROM T")).Fields()[0].Value().toInt64(), 1);
}

// The stamp stays while nothing changes, and moves with this connection's
// writes, another connection's commits and a change of the schema.
TEST_F(ConnectionTest, ChangeStampMovesWithEveryKindOfChange)
{
    db::Connection other;
    other.Open(connectionString());
    const auto stamp = con.ChangeStamp();
    con.Execute(QStringLiteral("SELECT COUNT(*) FROM T"));
    EXPECT_EQ(con.ChangeStamp(), stamp);
    struct Caso {
        const char* que;
        std::function<void()> cambio;
    };
    const Caso casos[] = {
        {"own write", [&] { exec({"INSERT INTO T (Nombre) VALUES ('a')"}); }},
        {"other's commit", [&] { other.Execute(QStringLiteral("INSERT INTO T (Nombre) VALUES ('b')")); }},
        {"schema", [&] { other.Execute(QStringLiteral("CREATE INDEX IX_Nombre ON T (Nombre)")); }},
    };
    for (const Caso& c : casos) {
        const auto antes = con.ChangeStamp();
        c.cambio();
        EXPECT_NE(con.ChangeStamp(), antes) << c.que;
    }
    const auto antes = con.ChangeStamp();
    other.Execute(QStringLiteral("CREATE INDEX IX_ID ON T (ID)"));
    EXPECT_NE(con.ChangeStamp()[2], antes[2]);
    con.Close();
    EXPECT_ANY_THROW(con.ChangeStamp());
}

} // namespace
