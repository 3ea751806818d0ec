// A damaged lock file: rebuilt when no running program uses it, refused with
// a message while one does, and never read as "nobody holds anything".
#include "LockTestFolder.h"
#include "LocksHelperProcess.h"

#include "platform/db/Connection.h"
#include "platform/locks/LockErrors.h"
#include "platform/locks/LockSession.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/locks/cUtilidadesBD.h"
#include "platform/vb/VbError.h"
#include "support/ErrorNumber.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using testsupport::ErrorNumberOf;

const QString Ok = QStringLiteral("ok");

// Each way a lock file is found damaged; applied while no program of this
// process has the file open.
struct Dano {
    const char* nombre;
    std::function<void(const QString& fichero)> aplicar;
};

void PrintTo(const Dano& dano, std::ostream* os) { *os << dano.nombre; }

void Truncar(const QString& fichero)
{
    QFile f(fichero);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(f.size() / 2));
}

void Basura(const QString& fichero)
{
    QFile f(fichero);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray bytes(8192, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(QRandomGenerator::global()->bounded(256));
    f.write(bytes);
}

// A sound SQLite file that some other program left under the lock file's name.
void OtraBaseDeDatos(const QString& fichero)
{
    QFile::remove(fichero);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(fichero).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "CREATE TABLE Bloqueo(Nota TEXT); INSERT INTO Bloqueo VALUES('x');", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

const Dano kDanos[] = {
    {"Truncado", Truncar},
    {"Basura", Basura},
    {"OtraBaseDeDatos", OtraBaseDeDatos},
};

class LockFileRepairTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    void TearDown() override { PVAPI::LockSession::CloseAll(); }

    std::unique_ptr<LocksHelperProcess> Puesto()
    {
        auto helper = std::make_unique<LocksHelperProcess>();
        EXPECT_EQ(helper->send("iniciar " + folder.path()), Ok);
        return helper;
    }

    // A lock file with rows in it, left by a program that was killed.
    void FicheroConRestos()
    {
        auto muerto = Puesto();
        EXPECT_EQ(muerto->send("tabla Padron"), Ok);
        EXPECT_EQ(muerto->send("tomar"), QStringLiteral("resultado 0"));
        EXPECT_EQ(muerto->send("entrada"), Ok);
        muerto->kill();
    }

    LockTestFolder folder;
};

class DanoReparado : public LockFileRepairTest, public ::testing::WithParamInterface<Dano> {};

TEST_P(DanoReparado, IsRebuiltAndLocksWorkAcrossProgramsAfterwards)
{
    FicheroConRestos();
    GetParam().aplicar(folder.lockDatabase());

    PVAPI::cProcesarBloqueos bloqueos;
    ASSERT_NO_THROW(bloqueos.Inicializar(folder.path()));
    EXPECT_FALSE(bloqueos.blnComprobarBloqueoEntradaAplicacion());
    bloqueos.DefinirBloqueo(QStringLiteral("Padron"), true);
    EXPECT_EQ(bloqueos.lngEfectuarBloqueos(), PVAPI::cProcesarBloqueos::BloqueoConcedido);

    auto otro = Puesto();
    EXPECT_EQ(otro->send("tabla Padron"), Ok);
    EXPECT_EQ(otro->send("tomar"), QStringLiteral("resultado 1"));
    EXPECT_EQ(otro->send("tabla Empresa"), Ok);
    EXPECT_EQ(otro->send("tomar"), QStringLiteral("resultado 0"));
    EXPECT_TRUE(otro->quit());

    EXPECT_FALSE(QFile::exists(folder.lockDatabase() + QStringLiteral(".nuevo")));
}

INSTANTIATE_TEST_SUITE_P(Danos, DanoReparado, ::testing::ValuesIn(kDanos),
                         [](const ::testing::TestParamInfo<Dano>& info) { return std::string(info.param.nombre); });

// While a running program may still hold locks in the damaged file, nothing
// that needs to know who is inside may go ahead, and the user is told why.
TEST_F(LockFileRepairTest, WhileAProgramIsRunningExclusiveOperationsAreRefusedWithTheReason)
{
    auto vivo = Puesto();
    Truncar(folder.lockDatabase());

    PVAPI::cProcesarBloqueos bloqueos;
    QString motivo;
    try {
        bloqueos.Inicializar(folder.path());
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.number(), PVAPI::ErrLockDatabaseDamaged);
        motivo = error.description();
    }
    EXPECT_TRUE(motivo.contains(QStringLiteral("está dañado"))) << motivo.toStdString();
    EXPECT_TRUE(motivo.contains(QStringLiteral("Cierre el programa en los demás equipos"))) << motivo.toStdString();
    EXPECT_FALSE(motivo.contains(QStringLiteral("database"))) << motivo.toStdString();

    EXPECT_EQ(ErrorNumberOf([&] { bloqueos.EstablecerBloqueoEntradaAplicacion(); }), PVAPI::ErrLockDatabaseDamaged);
    EXPECT_EQ(ErrorNumberOf([&] { bloqueos.blnComprobarBloqueoEntradaAplicacion(); }), PVAPI::ErrLockDatabaseDamaged);
    db::Connection ninguna;
    EXPECT_EQ(ErrorNumberOf([&] { PVAPI::cUtilidadesBD().blnComprobarAccesoExclusivo(folder.dataFile(), ninguna); }),
              PVAPI::ErrLockDatabaseDamaged);
    EXPECT_FALSE(QFile::exists(folder.lockDatabase() + QStringLiteral(".nuevo")));

    // Once the other program has ended, the same object repairs the file at
    // its next use and works.
    EXPECT_TRUE(vivo->quit());
    EXPECT_NO_THROW(bloqueos.EstablecerBloqueoEntradaAplicacion());
    auto otro = Puesto();
    EXPECT_EQ(otro->send("hayentrada"), QStringLiteral("si"));
    EXPECT_TRUE(otro->quit());
}

} // namespace
