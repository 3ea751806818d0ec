// Locks between separate programs: each helper process is another
// workstation using the same data folder.
#include "LockTestFolder.h"
#include "LocksHelperProcess.h"

#include "platform/db/Connection.h"
#include "platform/locks/LockSession.h"
#include "platform/locks/cUtilidadesBD.h"

#include <QCryptographicHash>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString Ok = QStringLiteral("ok");
const QString Granted = QStringLiteral("resultado 0");
const QString Refused = QStringLiteral("resultado 1");

class LockProcessTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    void TearDown() override { PVAPI::LockSession::CloseAll(); }

    // A helper that has opened the folder and the data file.
    std::unique_ptr<LocksHelperProcess> workstation()
    {
        auto helper = std::make_unique<LocksHelperProcess>();
        EXPECT_EQ(helper->send("iniciar " + folder.path()), Ok);
        EXPECT_EQ(helper->send("datos " + folder.dataFile()), Ok);
        return helper;
    }

    QString take(LocksHelperProcess& helper, const QStringList& declarations)
    {
        for (const QString& declaration : declarations) {
            const QString answer = helper.send(declaration);
            if (answer != Ok)
                return answer;
        }
        return helper.send("tomar");
    }

    bool exclusiveHere()
    {
        db::Connection none;
        return PVAPI::cUtilidadesBD().blnComprobarAccesoExclusivo(folder.dataFile(), none);
    }

    // Only for a folder this process holds no session in: closing a file
    // descriptor drops every POSIX lock SQLite holds on that file here.
    QByteArray lockDatabaseDigest() const
    {
        QFile file(folder.lockDatabase());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    LockTestFolder folder;
};

const QString Company1Partial =
    QStringLiteral("registro Empresa 1 1 SELECT IDEmpresa FROM Empresa WHERE IDEmpresa=1");
const QString Company1 =
    QStringLiteral("registro Empresa 1 0 SELECT IDEmpresa FROM Empresa WHERE IDEmpresa=1");

TEST_F(LockProcessTest, ConflictingTakeIsRefusedUntilTheHolderReleases)
{
    auto a = workstation();
    auto b = workstation();
    ASSERT_EQ(take(*a, {"tabla Padron"}), Granted);
    EXPECT_EQ(take(*b, {"claves Padron SELECT IDPadron FROM Padron WHERE IDPadron=2"}), Refused);
    EXPECT_EQ(a->send("liberar"), Ok);
    EXPECT_EQ(take(*b, {"claves Padron SELECT IDPadron FROM Padron WHERE IDPadron=2"}), Granted);
    EXPECT_EQ(take(*a, {"tabla Padron"}), Refused);
    EXPECT_TRUE(a->quit());
    EXPECT_TRUE(b->quit());
}

TEST_F(LockProcessTest, PartialLocksCoexistAndExcludeTotalOnes)
{
    auto a = workstation();
    auto b = workstation();
    auto c = workstation();
    ASSERT_EQ(take(*a, {Company1Partial}), Granted);
    EXPECT_EQ(take(*b, {Company1Partial}), Granted);
    EXPECT_EQ(take(*c, {Company1}), Refused);
    EXPECT_EQ(take(*c, {"tabla Empresa"}), Refused);
    EXPECT_EQ(a->send("liberar"), Ok);
    EXPECT_EQ(take(*c, {Company1}), Refused) << "b still holds its partial lock";
    EXPECT_EQ(b->send("liberar"), Ok);
    EXPECT_EQ(take(*c, {Company1}), Granted);
    EXPECT_EQ(take(*a, {Company1Partial}), Refused);
}

TEST_F(LockProcessTest, KilledHolderLeavesNothingBehind)
{
    auto a = workstation();
    auto b = workstation();
    ASSERT_EQ(take(*a, {"tabla Padron", Company1}), Granted);
    ASSERT_EQ(a->send("entrada"), Ok);
    ASSERT_EQ(b->send("hayentrada"), "si");
    ASSERT_EQ(take(*b, {"tabla Padron"}), Refused);

    a->kill();
    EXPECT_EQ(b->send("hayentrada"), "no");
    EXPECT_EQ(take(*b, {"tabla Padron", Company1}), Granted);
    EXPECT_EQ(b->send("exclusivo " + folder.dataFile()), "si");
}

TEST_F(LockProcessTest, EntryLockIsSeenElsewhereUntilReleased)
{
    auto importer = workstation();
    auto starter = workstation();
    ASSERT_EQ(starter->send("hayentrada"), "no");
    ASSERT_EQ(importer->send("entrada"), Ok);
    EXPECT_EQ(starter->send("hayentrada"), "si");
    EXPECT_EQ(importer->send("hayentrada"), "no") << "the holder is not another workstation";
    EXPECT_EQ(importer->send("liberar"), Ok);
    EXPECT_EQ(starter->send("hayentrada"), "no");
    EXPECT_EQ(importer->send("entrada"), Ok);
    EXPECT_TRUE(importer->quit());
    EXPECT_EQ(starter->send("hayentrada"), "no") << "a program that ended keeps no entry lock";
}

TEST_F(LockProcessTest, ExclusiveAccessOnlyWhileNoOtherProgramLives)
{
    EXPECT_TRUE(exclusiveHere());
    auto other = workstation();
    EXPECT_FALSE(exclusiveHere());
    EXPECT_TRUE(other->quit());
    EXPECT_TRUE(exclusiveHere());

    auto crashed = workstation();
    EXPECT_FALSE(exclusiveHere());
    crashed->kill();
    EXPECT_TRUE(exclusiveHere());
}

TEST_F(LockProcessTest, TestOnlyTakeChangesNothing)
{
    auto tester = workstation();
    auto holder = workstation();
    ASSERT_EQ(tester->send("tabla Padron"), Ok);
    const QByteArray before = lockDatabaseDigest();
    ASSERT_FALSE(before.isEmpty());
    EXPECT_EQ(tester->send("probar"), Granted);
    EXPECT_EQ(lockDatabaseDigest(), before);
    EXPECT_EQ(take(*holder, {"tabla Padron"}), Granted) << "the test took the lock";

    const QByteArray held = lockDatabaseDigest();
    EXPECT_EQ(tester->send("probar"), Refused);
    EXPECT_EQ(lockDatabaseDigest(), held);
    EXPECT_EQ(holder->send("liberar"), Ok);
    EXPECT_EQ(tester->send("tomar"), Granted) << "the declaration did not survive the test";
}

} // namespace
