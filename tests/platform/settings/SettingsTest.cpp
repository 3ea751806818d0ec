#include "platform/settings/Settings.h"
#include "platform/vb/VbError.h"
#include "support/ErrorNumber.h"
#include "support/ScopedEnv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString App = QStringLiteral("Norvia Parvanta 2000");

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        settings::SetFolder(m_dir.path());
    }
    void TearDown() override { settings::SetFolder({}); }

    QTemporaryDir m_dir;
};

struct RoundTripCase {
    const char* section;
    const char* key;
    const char* value;
};

class SettingsRoundTrip : public SettingsStore, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(SettingsRoundTrip, ValueReadsBackExactly)
{
    const RoundTripCase& c = GetParam();
    const QString section = QString::fromUtf8(c.section);
    const QString key = QString::fromUtf8(c.key);
    const QString value = QString::fromUtf8(c.value);
    settings::SaveSetting(App, section, key, value);
    EXPECT_EQ(settings::GetSetting(App, section, key, QStringLiteral("<def>")), value);
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsRoundTrip, ::testing::Values(
    RoundTripCase{"Administrador\\3082\\PRINCIPAL", "Clave", "x7!Q"},
    RoundTripCase{"PRINCIPAL", "Path", "/home/parroquia/Norvia Parvanta"},
    RoundTripCase{"Administrador\\3082\\Nodos\\Libros/Registros\\Bautismo", "Expandido", "1"},
    RoundTripCase{"Administrador\\3082\\Nodos\\Ñandú áéí ü\\Sacr. 1.2", "Expandido", "0"},
    RoundTripCase{"a=b[c];d#e,f\\\"q\"", "k", "v"},
    RoundTripCase{"  blancos  \\ x ", " k ", " v "},
    RoundTripCase{"100%\\50%2F\\%5C", "%25", "%2F"},
    RoundTripCase{"Administrador\\3082\\Grids\\Principal", "17", "1500"},
    RoundTripCase{"s", "a/b", "key with slash"},
    RoundTripCase{"s", "a\\b", "key with backslash"},
    RoundTripCase{"s", "=[];#", "odd key"},
    RoundTripCase{"s", "Ñ", "ñ"},
    RoundTripCase{"s", "empty", ""},
    RoundTripCase{"s", "commas", "a,b, c"},
    RoundTripCase{"s", "semicolon", "a;b # c"},
    RoundTripCase{"s", "quotes", "\"quoted\" and 'single'"},
    RoundTripCase{"s", "lines", "línea1\nlínea2\r\n\ttab"},
    RoundTripCase{"s", "leading", "  lead and trail  "},
    RoundTripCase{"s", "bool", "true"},
    RoundTripCase{"s", "number", "-60"},
    RoundTripCase{"s", "list", "@Variant(\\0\\0\\0\\x7f)"}));

TEST_F(SettingsStore, SlashInAComponentIsNotANestedSection)
{
    settings::SaveSetting(App, QStringLiteral("a/b"), QStringLiteral("k"), QStringLiteral("slash"));
    settings::SaveSetting(App, QStringLiteral("a\\b"), QStringLiteral("k"), QStringLiteral("nested"));
    settings::SaveSetting(App, QStringLiteral("a%2Fb"), QStringLiteral("k"), QStringLiteral("escape-like"));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("a/b"), QStringLiteral("k")), QStringLiteral("slash"));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("a\\b"), QStringLiteral("k")), QStringLiteral("nested"));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("a%2Fb"), QStringLiteral("k")), QStringLiteral("escape-like"));
}

TEST_F(SettingsStore, NamesCompareCaseInsensitively)
{
    settings::SaveSetting(App, QStringLiteral("Administrador\\3082\\INTERFACE"), QStringLiteral("NRegMax"),
                          QStringLiteral("24"));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("ADMINISTRADOR\\3082\\interface"), QStringLiteral("nregmax")),
              QStringLiteral("24"));
    settings::SaveSetting(App, QStringLiteral("administrador\\3082\\Interface"), QStringLiteral("NREGMAX"),
                          QStringLiteral("30"));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("Administrador\\3082\\INTERFACE"), QStringLiteral("NRegMax")),
              QStringLiteral("30"));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("ÁREA"), QStringLiteral("k"), QStringLiteral("none")),
              QStringLiteral("none"));
    settings::SaveSetting(App, QStringLiteral("Área"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("ÁREA"), QStringLiteral("K")), QStringLiteral("v"));
}

TEST_F(SettingsStore, EmptyComponentsAreIgnored)
{
    settings::SaveSetting(App, QStringLiteral("\\a\\\\b\\"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("a\\b"), QStringLiteral("k")), QStringLiteral("v"));
}

TEST_F(SettingsStore, MissingGivesTheDefault)
{
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("PRINCIPAL"), QStringLiteral("Path")), QString());
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("PRINCIPAL"), QStringLiteral("Path"), QStringLiteral("24")),
              QStringLiteral("24"));
    EXPECT_FALSE(QFileInfo::exists(settings::FilePath(App))) << "reading must not create the file";

    settings::SaveSetting(App, QStringLiteral("PRINCIPAL"), QStringLiteral("Vacio"), QString());
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("PRINCIPAL"), QStringLiteral("Vacio"), QStringLiteral("x")),
              QString()) << "a stored empty text is a value, not a missing key";
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("PRINCIPAL"), QStringLiteral("Otra"), QStringLiteral("x")),
              QStringLiteral("x"));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("OTRA"), QStringLiteral("Vacio"), QStringLiteral("x")),
              QStringLiteral("x"));
}

// Closing the window saves every column width and node state: values that
// are already stored must not rewrite the file.
TEST_F(SettingsStore, AnUnchangedValueLeavesTheFileAlone)
{
    const QString section = QStringLiteral("Administrador\\3082\\Grids");
    settings::SaveSetting(App, section, QStringLiteral("17"), QStringLiteral("1500"));
    settings::SaveSetting(App, section, QStringLiteral("Vacio"), QString());
    const QString path = settings::FilePath(App);
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-1);
    auto stamp = [&] {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    };
    auto modified = [&] { return QFileInfo(path).lastModified().toSecsSinceEpoch(); };

    stamp();
    settings::SaveSetting(App, section, QStringLiteral("17"), QStringLiteral("1500"));
    settings::SaveSetting(App, section.toLower(), QStringLiteral("vacio"), QString());
    EXPECT_EQ(modified(), old.toSecsSinceEpoch());

    settings::SaveSetting(App, section, QStringLiteral("18"), QString());
    EXPECT_NE(modified(), old.toSecsSinceEpoch()) << "a new key, even empty, is written";
    stamp();
    settings::SaveSetting(App, section, QStringLiteral("17"), QStringLiteral("1501"));
    EXPECT_NE(modified(), old.toSecsSinceEpoch());
    EXPECT_EQ(settings::GetSetting(App, section, QStringLiteral("17")), QStringLiteral("1501"));
}

TEST_F(SettingsStore, OneFilePerApplication)
{
    settings::SaveSetting(App, QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("1"));
    settings::SaveSetting(QStringLiteral("Otra"), QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("2"));
    EXPECT_EQ(settings::FilePath(App), QDir(m_dir.path()).filePath(QStringLiteral("Norvia Parvanta 2000.ini")));
    EXPECT_TRUE(QFileInfo::exists(settings::FilePath(App)));
    EXPECT_TRUE(QFileInfo::exists(QDir(m_dir.path()).filePath(QStringLiteral("Otra.ini"))));
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("1"));
    EXPECT_EQ(settings::GetSetting(QStringLiteral("Otra"), QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("2"));
}

TEST_F(SettingsStore, DeleteKeyAndSection)
{
    const QString user = QStringLiteral("Administrador\\3082");
    const QString nodos = user + QStringLiteral("\\Nodos");
    settings::SaveSetting(App, nodos, QStringLiteral("Libros"), QStringLiteral("key of the parent"));
    settings::SaveSetting(App, nodos + QStringLiteral("\\Libros"), QStringLiteral("Expandido"), QStringLiteral("1"));
    settings::SaveSetting(App, nodos + QStringLiteral("\\Libros\\Bautismo"), QStringLiteral("Expandido"), QStringLiteral("0"));
    settings::SaveSetting(App, nodos + QStringLiteral("\\Librosx"), QStringLiteral("Expandido"), QStringLiteral("1"));
    settings::SaveSetting(App, user + QStringLiteral("\\PRINCIPAL"), QStringLiteral("A"), QStringLiteral("a"));
    settings::SaveSetting(App, user + QStringLiteral("\\PRINCIPAL"), QStringLiteral("B"), QStringLiteral("b"));

    settings::DeleteSetting(App, user + QStringLiteral("\\principal"), QStringLiteral("a"));
    EXPECT_EQ(settings::GetSetting(App, user + QStringLiteral("\\PRINCIPAL"), QStringLiteral("A"), QStringLiteral("-")), QStringLiteral("-"));
    EXPECT_EQ(settings::GetSetting(App, user + QStringLiteral("\\PRINCIPAL"), QStringLiteral("B")), QStringLiteral("b"));

    settings::DeleteSetting(App, nodos + QStringLiteral("\\LIBROS"));
    EXPECT_EQ(settings::GetSetting(App, nodos + QStringLiteral("\\Libros"), QStringLiteral("Expandido"), QStringLiteral("-")), QStringLiteral("-"));
    EXPECT_EQ(settings::GetSetting(App, nodos + QStringLiteral("\\Libros\\Bautismo"), QStringLiteral("Expandido"), QStringLiteral("-")), QStringLiteral("-"));
    EXPECT_EQ(settings::GetSetting(App, nodos + QStringLiteral("\\Librosx"), QStringLiteral("Expandido")), QStringLiteral("1"));
    EXPECT_EQ(settings::GetSetting(App, nodos, QStringLiteral("Libros")), QStringLiteral("key of the parent"));
}

TEST_F(SettingsStore, DeletingWhatIsMissingDoesNothing)
{
    settings::DeleteSetting(App, QStringLiteral("nada"));
    settings::DeleteSetting(App, QStringLiteral("nada"), QStringLiteral("k"));
    EXPECT_FALSE(QFileInfo::exists(settings::FilePath(App)));
    settings::SaveSetting(App, QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
    settings::DeleteSetting(App, QStringLiteral("s"), QStringLiteral("otra"));
    settings::DeleteSetting(App, QStringLiteral("otra"));
    settings::DeleteSetting(App, QString());
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("v"));
}

TEST_F(SettingsStore, FolderComesFromTheOverrideThenTheEnvironment)
{
    EXPECT_EQ(settings::Folder(), m_dir.path());
    QTemporaryDir other;
    {
        testsupport::ScopedEnv env("DUZ_SETTINGS_DIR", other.path().toLocal8Bit());
        EXPECT_EQ(settings::Folder(), m_dir.path());
        settings::SetFolder({});
        EXPECT_EQ(settings::Folder(), other.path());
    }
    testsupport::ScopedEnv unset("DUZ_SETTINGS_DIR", std::nullopt);
    EXPECT_NE(settings::Folder(), other.path());
    EXPECT_FALSE(settings::Folder().isEmpty());
}

TEST_F(SettingsStore, SavingNeedsASectionAndAKey)
{
    for (const auto& [section, key] : {std::pair {QString(), QStringLiteral("k")},
                                       std::pair {QStringLiteral("\\\\"), QStringLiteral("k")},
                                       std::pair {QStringLiteral("s"), QString()}}) {
        EXPECT_EQ(testsupport::ErrorNumberOf([&] { settings::SaveSetting(App, section, key, QStringLiteral("v")); }),
                  vb::ErrInvalidCall)
            << section.toStdString() << " / " << key.toStdString();
    }
    EXPECT_EQ(settings::GetSetting(App, QStringLiteral("s"), QString(), QStringLiteral("def")), QStringLiteral("def"));
}

TEST_F(SettingsStore, UnwritableStoreIsAnError)
{
    const QString blocker = QDir(m_dir.path()).filePath(QStringLiteral("file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    settings::SetFolder(QDir(blocker).filePath(QStringLiteral("sub")));
    EXPECT_EQ(testsupport::ErrorNumberOf(
                  [] { settings::SaveSetting(App, QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v")); }),
              75);
}

} // namespace
