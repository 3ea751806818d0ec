#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include "platform/db/Counters.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/Transaction.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {

using testsupport::ErrorNumberOf;

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

class FilesTest : public testsupport::TempDatabaseTest {
protected:
    FilesTest() : TempDatabaseTest(QStringLiteral("Duzediv.mdb"), QStringLiteral("clave")) {}

    void SetUp() override
    {
        exec({"CREATE TABLE Nodo (IDNodo COUNTER PRIMARY KEY, Nombre NVARCHAR(30))",
              "CREATE TABLE Campo (IDCampo COUNTER PRIMARY KEY, Nombre NVARCHAR(30))", "CREATE INDEX iNombre ON Nodo (Nombre)"});
        db::Transaction batch(con);
        for (int i = 0; i < 5; ++i)
            exec({"INSERT INTO Nodo (Nombre) VALUES ('n')", "INSERT INTO Campo (Nombre) VALUES ('c')"});
        exec({"DELETE * FROM Nodo", "DELETE FROM Campo WHERE IDCampo > 3"});
        batch.Commit();
    }

    QString cs(const QString& file, const QString& pw) const
    {
        return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Jet OLEDB:Database Password=%2").arg(file, pw);
    }

    qint64 nextId(db::Connection& c, const char* table)
    {
        c.Execute(QStringLiteral("INSERT INTO %1 (Nombre) VALUES ('nuevo')").arg(QString::fromUtf8(table)));
        return c.LastInsertId();
    }

    QStringList folderEntries() const { return QDir(folder()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(FilesTest, CountersGoOnUntilTheDatabaseIsCompacted)
{
    EXPECT_EQ(nextId(con, "Nodo"), 6);
    EXPECT_EQ(nextId(con, "Campo"), 6);
}

TEST_F(FilesTest, StoredCounterAndItsResetForOneTable)
{
    EXPECT_EQ(db::StoredCounter(con, QStringLiteral("nodo")), 5); // kept past the emptied rows
    EXPECT_EQ(db::StoredCounter(con, QStringLiteral("Campo")), 5);
    EXPECT_EQ(db::StoredCounter(con, QStringLiteral("NoExiste")), 0);

    db::ResetCounter(con, QStringLiteral("NODO"));
    EXPECT_EQ(db::StoredCounter(con, QStringLiteral("Nodo")), 0);
    EXPECT_EQ(nextId(con, "Nodo"), 1);
    EXPECT_EQ(nextId(con, "Campo"), 6) << "other tables keep theirs";

    // A file that never had a counter has nothing to read or reset.
    db::Connection plain;
    const QString other = filePath(QStringLiteral("Otra.mdb"));
    db::CreateDatabase(other);
    plain.Open(cs(other, QString()));
    plain.Execute(QStringLiteral("CREATE TABLE T (Nombre NVARCHAR(10))"));
    EXPECT_EQ(db::StoredCounter(plain, QStringLiteral("T")), 0);
    EXPECT_NO_THROW(db::ResetCounter(plain, QStringLiteral("T")));
}

TEST_F(FilesTest, CompactDatabaseCopiesWithPasswordAndRestartsCounters)
{
    con.Close();
    const QString dest = filePath(QStringLiteral("Copia.mdb"));
    db::CompactDatabase(cs(path(), password()), cs(dest, password()));
    db::Connection copy;
    EXPECT_EQ(ErrorNumberOf([&] { copy.Open(cs(dest, QString())); }), 3031);
    copy.Open(cs(dest, password()));
    EXPECT_EQ(nextId(copy, "Nodo"), 1);  // emptied table starts again
    EXPECT_EQ(nextId(copy, "Campo"), 4); // one above the highest key kept
    EXPECT_EQ(copy.Execute(QStringLiteral("SELECT COUNT(*) FROM Campo")).Fields()[0].Value().toInt64(), 4);
}

TEST_F(FilesTest, CompactDatabaseRefusesAnExistingDestinationAndTouchesNeither)
{
    con.Close();
    const QString dest = filePath(QStringLiteral("Copia.mdb"));
    db::CreateDatabase(dest);
    const QByteArray sourceBefore = fileHash(path());
    const QByteArray destBefore = fileHash(dest);
    EXPECT_EQ(ErrorNumberOf([&] { db::CompactDatabase(cs(path(), password()), cs(dest, password())); }), 3204);
    EXPECT_EQ(fileHash(path()), sourceBefore);
    EXPECT_EQ(fileHash(dest), destBefore);
    EXPECT_EQ(folderEntries(), (QStringList{QStringLiteral("Copia.mdb"), QStringLiteral("Duzediv.mdb")}));
}

TEST_F(FilesTest, CompactDatabaseWithWrongPasswordMakesNoFile)
{
    con.Close();
    const QString dest = filePath(QStringLiteral("Copia.mdb"));
    EXPECT_EQ(ErrorNumberOf([&] { db::CompactDatabase(cs(path(), QStringLiteral("mala")), cs(dest, QStringLiteral("mala"))); }), 3031);
    EXPECT_EQ(ErrorNumberOf([&] { db::CompactDatabase(cs(filePath(QStringLiteral("Falta.mdb")), password()), cs(dest, password())); }), 3024);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Duzediv.mdb")});
}

TEST_F(FilesTest, CompactDatabaseTakesTheDestinationPassword)
{
    con.Close();
    const QString dest = filePath(QStringLiteral("Copia.mdb"));
    db::CompactDatabase(cs(path(), password()), cs(dest, QStringLiteral("nueva")));
    db::Connection copy;
    copy.Open(cs(dest, QStringLiteral("nueva")));
    EXPECT_EQ(copy.State(), db::ObjectState::Open);

    // An empty destination password leaves the copy unprotected.
    const QString open = filePath(QStringLiteral("Abierta.mdb"));
    db::CompactDatabase(cs(path(), password()), cs(open, QString()));
    EXPECT_FALSE(db::HasDatabasePassword(open));
}

TEST_F(FilesTest, CompactInPlaceKeepsDataIndexesAndPassword)
{
    con.Close();
    db::CompactInPlace(cs(path(), password()));
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Duzediv.mdb")});
    db::Connection again;
    EXPECT_EQ(ErrorNumberOf([&] { again.Open(cs(path(), QString())); }), 3031);
    again.Open(cs(path(), password()));
    EXPECT_EQ(nextId(again, "Nodo"), 1);
    EXPECT_EQ(again.Execute(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Nodo_iNombre'")).Fields()[0].Value().toInt64(), 1);
}

TEST_F(FilesTest, CompactionKeepsAPasswordHoldingSeparators)
{
    // A password may hold ";" or quotes: the copy must reopen the source with it intact.
    const QString odd = QStringLiteral("a;b\"c'd");
    db::SetDatabasePassword(con, odd);
    con.Close();
    const QString quoted = QStringLiteral("\"a;b\"\"c'd\"");
    const auto oddCs = [&](const QString& file) {
        return QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=%2").arg(file, quoted);
    };
    const QString dest = filePath(QStringLiteral("Copia.mdb"));
    db::CompactDatabase(oddCs(path()), oddCs(dest));
    db::CompactInPlace(oddCs(path()));
    for (const QString& file : {path(), dest}) {
        db::Connection again;
        again.Open(oddCs(file));
        EXPECT_EQ(again.State(), db::ObjectState::Open) << file.toStdString();
    }
    // And a closed file protected by it can still have it changed.
    db::SetDatabasePassword(path(), odd, QString());
    EXPECT_FALSE(db::HasDatabasePassword(path()));
}

TEST_F(FilesTest, CompactInPlaceWithWrongPasswordLeavesTheFile)
{
    con.Close();
    const QByteArray before = fileHash(path());
    EXPECT_EQ(ErrorNumberOf([&] { db::CompactInPlace(cs(path(), QStringLiteral("mala"))); }), 3031);
    EXPECT_EQ(fileHash(path()), before);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Duzediv.mdb")});
}

TEST_F(FilesTest, CopyOfAnOpenDatabase)
{
    const QString dest = filePath(QStringLiteral("Copia.mdb"));
    db::CopyOpenDatabase(con, dest);
    db::Connection copy;
    copy.Open(cs(dest, password()));
    EXPECT_EQ(copy.Execute(QStringLiteral("SELECT COUNT(*) FROM Campo")).Fields()[0].Value().toInt64(), 3);
    EXPECT_EQ(ErrorNumberOf([&] { db::CopyOpenDatabase(con, dest); }), 3204);
}

TEST_F(FilesTest, PasswordCanBeChangedAndRemoved)
{
    db::SetDatabasePassword(con, QStringLiteral("otra"));
    con.Close();
    EXPECT_TRUE(db::HasDatabasePassword(path()));
    db::Connection c;
    EXPECT_EQ(ErrorNumberOf([&] { c.Open(cs(path(), password())); }), 3031);
    EXPECT_EQ(ErrorNumberOf([&] { db::SetDatabasePassword(path(), password(), QString()); }), 3031);
    db::SetDatabasePassword(path(), QStringLiteral("otra"), QString());
    EXPECT_FALSE(db::HasDatabasePassword(path()));
    c.Open(cs(path(), QString()));
    EXPECT_EQ(c.State(), db::ObjectState::Open);
}

TEST_F(FilesTest, CreateDatabaseRefusesAnExistingFile)
{
    EXPECT_EQ(ErrorNumberOf([&] { db::CreateDatabase(path()); }), 3204);
}

} // namespace
