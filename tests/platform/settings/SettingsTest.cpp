#include "platform/settings/Settings.h"
#include "platform/vb/VbError.h"
#include "support/ErrorNumber.h"
#include "support/ScopedEnv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <optional>

#include <unistd.h>

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
    RoundTripCase{"s", "list", "@Variant(\\0\\0\\0\\x7f)"},
    RoundTripCase{"s", "at", "@@doble"},
    RoundTripCase{"s", "invalid", "@Invalid()"},
    RoundTripCase{"s", "controls", "\x01\x1f" "1f\x7f\\"},
    RoundTripCase{"s", "outside the BMP", "\U0001F600 \u00A0"},
    RoundTripCase{"General", "general", "section named like the one of keys without a section"},
    RoundTripCase{"s", "backslash at the end", "C:\\Datos\\"},
    RoundTripCase{"s", "quote inside", "a\"b"}));

// The file is the INI dialect of QSettings both ways: what the store writes
// reads back through QSettings, and a file QSettings wrote (as earlier
// versions did) reads back through the store.
TEST_P(SettingsRoundTrip, FileIsTheDialectQSettingsReadsAndWrites)
{
    const RoundTripCase& c = GetParam();
    const QString section = QString::fromUtf8(c.section);
    const QString key = QString::fromUtf8(c.key);
    const QString value = QString::fromUtf8(c.value);
    settings::SaveSetting(App, section, key, value);

    QMap<QString, QVariant> leidos;
    {
        const QSettings qt(settings::FilePath(App), QSettings::IniFormat);
        for (const QString& k : qt.allKeys())
            leidos.insert(k, qt.value(k));
    }
    ASSERT_EQ(leidos.size(), 1);
    EXPECT_EQ(leidos.first().toString(), value) << "QSettings reads another text";

    // Written again by QSettings alone, into a new file.
    ASSERT_TRUE(QFile::remove(settings::FilePath(App)));
    {
        QSettings qt(settings::FilePath(App), QSettings::IniFormat);
        qt.setValue(leidos.firstKey(), leidos.first());
        qt.sync();
        ASSERT_EQ(qt.status(), QSettings::NoError);
    }
    EXPECT_EQ(settings::GetSetting(App, section, key, QStringLiteral("<def>")), value);
}

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

// ------------------------------------------------------------ batches

// The entries of the settings file, read as another program would.
std::map<QString, QString> EnDisco()
{
    std::map<QString, QString> entradas;
    const QSettings qt(settings::FilePath(App), QSettings::IniFormat);
    for (const QString& k : qt.allKeys())
        entradas[k] = qt.value(k).toString();
    return entradas;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kGrids = QStringLiteral("Administrador\\3082\\Grids\\Principal");

TEST_F(SettingsStore, ABatchWritesItsChangesTogetherAtTheOutermostEnd)
{
    {
        settings::Batch lote;
        for (int i = 1; i <= 200; ++i)
            settings::SaveSetting(App, kGrids, QString::number(i), QString::number(i * 10));
        settings::DeleteSetting(App, kGrids, QStringLiteral("2"));
        EXPECT_EQ(settings::GetSetting(App, kGrids, QStringLiteral("17")), QStringLiteral("170"))
            << "reads see what the batch holds";
        EXPECT_EQ(settings::GetSetting(App, kGrids, QStringLiteral("2"), QStringLiteral("-")), QStringLiteral("-"));
        {
            settings::Batch dentro;
            settings::SaveSetting(App, QStringLiteral("PRINCIPAL"), QStringLiteral("NRegMax"), QStringLiteral("30"));
            dentro.Commit();
        }
        EXPECT_FALSE(QFileInfo::exists(settings::FilePath(App))) << "nothing is written before the outermost end";
    }
    const std::map<QString, QString> disco = EnDisco();
    EXPECT_EQ(disco.size(), 200u);
    EXPECT_EQ(disco.at(QStringLiteral("administrador/3082/grids/principal/17")), QStringLiteral("170"));
    EXPECT_EQ(disco.count(QStringLiteral("administrador/3082/grids/principal/2")), 0u);
    EXPECT_EQ(disco.at(QStringLiteral("principal/nregmax")), QStringLiteral("30"));
}

// A write makes a complete new file and renames it over the old one: the
// old version stays whole until the new one has its name, so no crash can
// leave half a file under the name.
TEST_F(SettingsStore, AWriteReplacesTheFileInsteadOfRewritingIt)
{
    settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("100"));
    // A hard link shares the inode: an in-place rewrite would show in it.
    const QString enlace = QDir(m_dir.path()).filePath(QStringLiteral("enlace"));
    ASSERT_EQ(::link(QFile::encodeName(settings::FilePath(App)).constData(), QFile::encodeName(enlace).constData()),
              0);
    const QByteArray antes = Bytes(settings::FilePath(App));
    {
        settings::Batch lote;
        settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("150"));
        settings::SaveSetting(App, kGrids, QStringLiteral("2"), QStringLiteral("200"));
    }
    EXPECT_EQ(Bytes(enlace), antes);
    EXPECT_EQ(EnDisco().at(QStringLiteral("administrador/3082/grids/principal/1")), QStringLiteral("150"));
    const QStringList ocultos = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_FALSE(ocultos.contains(u'.' + QFileInfo(settings::FilePath(App)).fileName() + QStringLiteral(".nuevo")))
        << "the new version keeps no working file once renamed";
}

// A program killed inside a batch leaves the file as the last finished batch
// wrote it: whole, with every value of that batch and none of the open one.
TEST_F(SettingsStore, AProgramEndedInsideABatchLeavesTheLastFinishedBatch)
{
    settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("100"));
    {
        settings::Batch lote;
        settings::SaveSetting(App, kGrids, QStringLiteral("2"), QStringLiteral("200"));
        settings::SaveSetting(App, kGrids, QStringLiteral("3"), QStringLiteral("300"));
    }
    const QByteArray escrito = Bytes(settings::FilePath(App));
    EXPECT_EXIT(
        {
            settings::Batch lote;
            settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("999"));
            settings::SaveSetting(App, kGrids, QStringLiteral("4"), QStringLiteral("400"));
            settings::DeleteSetting(App, kGrids);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(Bytes(settings::FilePath(App)), escrito);
    const std::map<QString, QString> disco = EnDisco();
    EXPECT_EQ(disco.size(), 3u);
    EXPECT_EQ(disco.at(QStringLiteral("administrador/3082/grids/principal/1")), QStringLiteral("100"));
    EXPECT_EQ(disco.at(QStringLiteral("administrador/3082/grids/principal/3")), QStringLiteral("300"));
}

TEST_F(SettingsStore, DiscardGivesBackWhatTheFileHolds)
{
    settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("100"));
    const QByteArray escrito = Bytes(settings::FilePath(App));
    {
        settings::Batch lote;
        settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("150"));
        settings::SaveSetting(App, kGrids, QStringLiteral("2"), QStringLiteral("200"));
        settings::DeleteSetting(App, kGrids, QStringLiteral("1"));
        lote.Discard();
        EXPECT_EQ(settings::GetSetting(App, kGrids, QStringLiteral("1")), QStringLiteral("100"));
        EXPECT_EQ(settings::GetSetting(App, kGrids, QStringLiteral("2"), QStringLiteral("-")), QStringLiteral("-"));
    }
    EXPECT_EQ(Bytes(settings::FilePath(App)), escrito);
}

// Another program may write the file meanwhile: its values are read, and a
// batch of this program keeps them when it writes.
TEST_F(SettingsStore, WhatAnotherProgramWroteIsReadAndKept)
{
    settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("100"));
    settings::Batch lote;
    settings::SaveSetting(App, kGrids, QStringLiteral("2"), QStringLiteral("200"));
    {
        QSettings otro(settings::FilePath(App), QSettings::IniFormat);
        otro.setValue(QStringLiteral("administrador/3082/grids/principal/9"), QStringLiteral("900"));
        otro.setValue(QStringLiteral("administrador/3082/grids/principal/1"), QStringLiteral("111"));
    }
    EXPECT_EQ(settings::GetSetting(App, kGrids, QStringLiteral("9")), QStringLiteral("900"));
    EXPECT_EQ(settings::GetSetting(App, kGrids, QStringLiteral("1")), QStringLiteral("111"));
    EXPECT_EQ(settings::GetSetting(App, kGrids, QStringLiteral("2")), QStringLiteral("200"));
    lote.Commit();
    const std::map<QString, QString> disco = EnDisco();
    EXPECT_EQ(disco.at(QStringLiteral("administrador/3082/grids/principal/9")), QStringLiteral("900"));
    EXPECT_EQ(disco.at(QStringLiteral("administrador/3082/grids/principal/1")), QStringLiteral("111"));
    EXPECT_EQ(disco.at(QStringLiteral("administrador/3082/grids/principal/2")), QStringLiteral("200"));
}

// The message of a failed write names the file, the cause and what to do.
std::optional<vb::VbError> ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const vb::VbError& e) {
        return e;
    }
    return std::nullopt;
}

TEST_F(SettingsStore, AFailedBatchKeepsItsChangesForAnotherTry)
{
    const QString bloqueo = QDir(m_dir.path()).filePath(QStringLiteral("archivo"));
    QFile archivo(bloqueo);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.close();
    settings::SetFolder(QDir(bloqueo).filePath(QStringLiteral("sub")));

    settings::Batch lote;
    settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("100"));
    const std::optional<vb::VbError> error = ErrorOf([&] { lote.Commit(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 75);
    EXPECT_TRUE(error->description().contains(settings::FilePath(App))) << error->description().toStdString();
    EXPECT_TRUE(error->description().contains(QStringLiteral("no se puede crear la carpeta")))
        << error->description().toStdString();
    EXPECT_EQ(settings::GetSetting(App, kGrids, QStringLiteral("1")), QStringLiteral("100"));

    ASSERT_TRUE(QFile::remove(bloqueo));
    lote.Commit();
    EXPECT_EQ(EnDisco().at(QStringLiteral("administrador/3082/grids/principal/1")), QStringLiteral("100"));
}

// A full disk: the new version of the file goes to /dev/full, which answers
// every write as a full disk does.
TEST_F(SettingsStore, AFullDiskIsToldAsSuchAndTheFileKeepsItsValues)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("100"));
    const QByteArray escrito = Bytes(settings::FilePath(App));
    const QString nuevo =
        QDir(m_dir.path()).filePath(u'.' + QFileInfo(settings::FilePath(App)).fileName() + QStringLiteral(".nuevo"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), nuevo));

    const std::optional<vb::VbError> error =
        ErrorOf([] { settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("150")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 75);
    EXPECT_TRUE(error->description().contains(settings::FilePath(App))) << error->description().toStdString();
    EXPECT_TRUE(error->description().contains(QStringLiteral("el disco está lleno")))
        << error->description().toStdString();
    EXPECT_TRUE(error->description().contains(QStringLiteral("Libere espacio"))) << error->description().toStdString();
    EXPECT_EQ(Bytes(settings::FilePath(App)), escrito);
    EXPECT_EQ(settings::GetSetting(App, kGrids, QStringLiteral("1")), QStringLiteral("100"))
        << "a write that failed outside a batch is not taken as done";

    settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("150"));
    EXPECT_EQ(EnDisco().at(QStringLiteral("administrador/3082/grids/principal/1")), QStringLiteral("150"));
}

// A file this program cannot read is never replaced by one without its
// values.
TEST_F(SettingsStore, AFileThatCannotBeReadIsNotOverwritten)
{
    settings::SaveSetting(App, kGrids, QStringLiteral("1"), QStringLiteral("100"));
    const QString ruta = settings::FilePath(App);
    const QString aparte = ruta + QStringLiteral(".aparte");
    ASSERT_TRUE(QFile::rename(ruta, aparte));
    // A folder under the file's name: it exists and cannot be read as a file.
    ASSERT_TRUE(QDir().mkdir(ruta));
    const std::optional<vb::VbError> error =
        ErrorOf([] { settings::SaveSetting(App, kGrids, QStringLiteral("2"), QStringLiteral("200")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 75);
    EXPECT_TRUE(error->description().contains(QStringLiteral("no se puede leer ese archivo")))
        << error->description().toStdString();
    EXPECT_TRUE(QFileInfo(ruta).isDir());
}

} // namespace
