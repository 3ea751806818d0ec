#include "platform/os/SingleInstanceGuard.h"
#include "support/QtPrinters.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using Result = os::SingleInstanceGuard::Result;
const QString Name = QStringLiteral("Norvia Parvanta 2000");
constexpr int Timeout = 30000;

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    // Runs the probe to its end and gives its exit code.
    int probeTry()
    {
        QProcess probe;
        probe.start(QStringLiteral(DUZ_INSTANCE_PROBE), {m_dir.path(), Name, QStringLiteral("try")});
        EXPECT_TRUE(probe.waitForFinished(Timeout));
        return probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
    }

    // Starts the probe holding the lock and waits until it has it.
    void startHolder(QProcess& probe)
    {
        probe.start(QStringLiteral(DUZ_INSTANCE_PROBE), {m_dir.path(), Name, QStringLiteral("hold")});
        ASSERT_TRUE(probe.waitForStarted(Timeout));
        while (!probe.canReadLine())
            ASSERT_TRUE(probe.waitForReadyRead(Timeout)) << "the probe did not take the lock";
        ASSERT_EQ(probe.readLine().trimmed(), QByteArray("locked"));
    }

    QTemporaryDir m_dir;
};

TEST_F(SingleInstance, SecondProcessSeesTheFirst)
{
    os::SingleInstanceGuard guard(Name, m_dir.path());
    ASSERT_EQ(guard.acquire(), Result::Acquired);
    EXPECT_EQ(probeTry(), 3);
    guard.release();
    EXPECT_EQ(probeTry(), 0);
}

TEST_F(SingleInstance, LockOfACrashedInstanceIsFree)
{
    QProcess holder;
    startHolder(holder);
    os::SingleInstanceGuard guard(Name, m_dir.path());
    EXPECT_TRUE(guard.anotherInstanceRunning());

    holder.kill(); // SIGKILL: no clean-up runs, as in a crash
    ASSERT_TRUE(holder.waitForFinished(Timeout));
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_TRUE(guard.isHeld());
}

TEST_F(SingleInstance, LockIsFreeAfterTheFirstEnds)
{
    QProcess holder;
    startHolder(holder);
    EXPECT_EQ(probeTry(), 3);
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(Timeout));
    EXPECT_EQ(holder.exitCode(), 0);
    EXPECT_EQ(probeTry(), 0);
}

TEST_F(SingleInstance, GuardsInOneProcess)
{
    os::SingleInstanceGuard first(Name, m_dir.path());
    os::SingleInstanceGuard second(Name, m_dir.path());
    os::SingleInstanceGuard other(QStringLiteral("Otro programa"), m_dir.path());
    EXPECT_EQ(first.acquire(), Result::Acquired);
    EXPECT_EQ(first.acquire(), Result::Acquired) << "taking it again is harmless";
    EXPECT_TRUE(first.isHeld());
    EXPECT_EQ(second.acquire(), Result::HeldByAnother);
    EXPECT_FALSE(second.isHeld());
    EXPECT_EQ(other.acquire(), Result::Acquired);
    {
        os::SingleInstanceGuard scoped(QStringLiteral("scoped"), m_dir.path());
        EXPECT_EQ(scoped.acquire(), Result::Acquired);
    }
    os::SingleInstanceGuard again(QStringLiteral("scoped"), m_dir.path());
    EXPECT_EQ(again.acquire(), Result::Acquired) << "the destructor releases";
}

TEST_F(SingleInstance, LockFileIsPerUser)
{
    os::SingleInstanceGuard guard(QStringLiteral("a/b"), m_dir.path());
    EXPECT_EQ(guard.lockFilePath(), m_dir.filePath(QStringLiteral("a_b-%1.lock").arg(::getuid())));
    os::SingleInstanceGuard byDefault(Name);
    EXPECT_TRUE(byDefault.lockFilePath().endsWith(QStringLiteral("-%1.lock").arg(::getuid())));
}

TEST_F(SingleInstance, UnusableFolderIsNotAnotherInstance)
{
    os::SingleInstanceGuard guard(Name, m_dir.filePath(QStringLiteral("missing/folder")));
    EXPECT_EQ(guard.acquire(), Result::Unavailable);
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_FALSE(guard.isHeld());
}

} // namespace
