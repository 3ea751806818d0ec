#include "platform/os/Paths.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct JoinCase {
    const char* folder;
    const char* name;
    const char* joined;
};

class JoinPathTable : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinPathTable, JoinsWithOneSlash)
{
    const JoinCase& c = GetParam();
    EXPECT_EQ(os::JoinPath(QString::fromUtf8(c.folder), QString::fromUtf8(c.name)), QString::fromUtf8(c.joined));
}

INSTANTIATE_TEST_SUITE_P(Paths, JoinPathTable, ::testing::Values(
    JoinCase{"/opt/app", "Duzediv.mdb", "/opt/app/Duzediv.mdb"},
    JoinCase{"/opt/app/", "Duzediv.mdb", "/opt/app/Duzediv.mdb"},
    JoinCase{"/opt/app", "\\Duzediv.chm", "/opt/app/Duzediv.chm"},
    JoinCase{"C:\\app\\", "Log\\Trasvase", "C:/app/Log/Trasvase"},
    JoinCase{"/", "x", "/x"},
    JoinCase{"", "x", "x"},
    JoinCase{"/opt", "", "/opt"}));

struct SplitCase {
    const char* path;
    const char* folder;
    const char* name;
};

class SplitPathTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTable, SplitsAtEitherSeparator)
{
    const SplitCase& c = GetParam();
    EXPECT_EQ(os::FolderOf(QString::fromUtf8(c.path)), QString::fromUtf8(c.folder));
    EXPECT_EQ(os::FileNameOf(QString::fromUtf8(c.path)), QString::fromUtf8(c.name));
}

INSTANTIATE_TEST_SUITE_P(Paths, SplitPathTable, ::testing::Values(
    SplitCase{"/opt/app/Duzediv.mdb", "/opt/app", "Duzediv.mdb"},
    SplitCase{"C:\\Archivos\\app\\Duzediv.mdb", "C:/Archivos/app", "Duzediv.mdb"},
    SplitCase{"/opt\\mixed/x.mdb", "/opt/mixed", "x.mdb"},
    SplitCase{"Duzediv.mdb", "", "Duzediv.mdb"},
    SplitCase{"/opt/app/", "/opt/app", ""}));

class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir root(m_dir.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("addins")));
        ASSERT_TRUE(root.mkpath(QStringLiteral("Log/Trasvase")));
        touch(QStringLiteral("Duzediv.mdb"));
        touch(QStringLiteral("addins/LibNvBancos.so"));
    }
    void touch(const QString& name)
    {
        QFile file(QDir(m_dir.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(ProgramFolder, FindsFilesWhateverTheirCase)
{
    EXPECT_EQ(os::FindFileCaseInsensitive(m_dir.path(), QStringLiteral("duzediv.MDB")), path(QStringLiteral("Duzediv.mdb")));
    EXPECT_EQ(os::FindFileCaseInsensitive(m_dir.path(), QStringLiteral("Duzediv.mdb")), path(QStringLiteral("Duzediv.mdb")));
    EXPECT_EQ(os::FindFileCaseInsensitive(m_dir.path(), QStringLiteral("ADDINS\\libnvbancos.SO")),
              path(QStringLiteral("addins/LibNvBancos.so")));
    EXPECT_EQ(os::FindFileCaseInsensitive(m_dir.path() + u'/', QStringLiteral("log/trasvase")),
              path(QStringLiteral("Log/Trasvase")));
    EXPECT_EQ(os::FindFileCaseInsensitive(m_dir.path(), QStringLiteral("Informes.mdb")), QString());
    EXPECT_EQ(os::FindFileCaseInsensitive(m_dir.path(), QStringLiteral("nada/Duzediv.mdb")), QString());
    EXPECT_EQ(os::FindFileCaseInsensitive(m_dir.path(), QString()), QString());
}

TEST_F(ProgramFolder, ExactNameWinsOverOtherCases)
{
    touch(QStringLiteral("duzediv.MDB"));
    EXPECT_EQ(os::FindFileCaseInsensitive(m_dir.path(), QStringLiteral("duzediv.MDB")), path(QStringLiteral("duzediv.MDB")));
    EXPECT_EQ(os::FindFileCaseInsensitive(m_dir.path(), QStringLiteral("Duzediv.mdb")), path(QStringLiteral("Duzediv.mdb")));
}

TEST_F(ProgramFolder, AppPathComesFromTheEnvironmentOrTheExecutable)
{
    {
        testsupport::ScopedEnv env("DUZEDIV_APP_PATH", (m_dir.path() + u'/').toLocal8Bit());
        EXPECT_EQ(os::AppPath(), m_dir.path());
        EXPECT_EQ(os::AppFile(QStringLiteral("DUZEDIV.mdb")), path(QStringLiteral("Duzediv.mdb")));
        EXPECT_EQ(os::AppFile(QStringLiteral("CopiasBD")), path(QStringLiteral("CopiasBD")));
    }
    testsupport::ScopedEnv env("DUZEDIV_APP_PATH", std::nullopt);
    EXPECT_EQ(os::AppPath(), QCoreApplication::applicationDirPath());
}

} // namespace
