// The lock service inside one program: every lock object is an owner of its
// own, so two objects here stand for two holders.
#include "LockTestFolder.h"

#include "platform/db/Connection.h"
#include "platform/locks/LockErrors.h"
#include "platform/locks/LockSession.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/locks/cUtilidadesBD.h"
#include "platform/vb/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using PVAPI::cProcesarBloqueos;

namespace {

// One lock of table Empresa or Padron: a whole table when `clave` is null,
// else one record, checked for existence as the company lock is.
struct Pedido {
    const char* tabla;
    const char* clave;
    bool parcial;
};

class LocksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        datos.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + folder.dataFile());
    }
    void TearDown() override { PVAPI::LockSession::CloseAll(); }

    std::unique_ptr<cProcesarBloqueos> nuevo()
    {
        auto bloqueos = std::make_unique<cProcesarBloqueos>();
        bloqueos->Inicializar(folder.path());
        return bloqueos;
    }

    void declarar(cProcesarBloqueos& bloqueos, const Pedido& pedido)
    {
        if (!pedido.clave) {
            bloqueos.DefinirBloqueo(pedido.tabla, true);
            return;
        }
        const QString tabla = QString::fromUtf8(pedido.tabla);
        bloqueos.DefinirBloqueo({.strTabla = tabla,
                                 .conBD = &datos,
                                 .strRegistro = pedido.clave,
                                 .blnBloqueoParcialRegistro = pedido.parcial,
                                 .blnComprobarExisteRegistro = true,
                                 .strSQLExisteRegistro = QStringLiteral("SELECT ID%1 FROM %1 WHERE ID%1=%2")
                                                             .arg(tabla, QString::fromUtf8(pedido.clave).trimmed())});
    }

    qint32 tomar(cProcesarBloqueos& bloqueos, std::initializer_list<Pedido> pedidos)
    {
        for (const Pedido& pedido : pedidos)
            declarar(bloqueos, pedido);
        return bloqueos.lngEfectuarBloqueos();
    }

    LockTestFolder folder;
    db::Connection datos;
};

struct ConflictCase {
    const char* name;
    Pedido held;
    Pedido wanted;
    qint32 result;
};

class ConflictTest : public LocksTest, public ::testing::WithParamInterface<ConflictCase> {};

TEST_P(ConflictTest, SecondHolderGetsTheExpectedAnswer)
{
    const ConflictCase& c = GetParam();
    auto primero = nuevo();
    auto segundo = nuevo();
    ASSERT_EQ(tomar(*primero, {c.held}), cProcesarBloqueos::BloqueoConcedido);
    EXPECT_EQ(tomar(*segundo, {c.wanted}), c.result);
}

constexpr Pedido TablaEmpresa{"Empresa", nullptr, false};
constexpr Pedido Empresa1{"Empresa", "1", false};
constexpr Pedido Empresa1Parcial{"Empresa", "1", true};
constexpr Pedido Empresa2{"Empresa", "2", false};
constexpr qint32 Concedido = cProcesarBloqueos::BloqueoConcedido;
constexpr qint32 Ocupado = cProcesarBloqueos::BloqueoOcupado;

INSTANTIATE_TEST_SUITE_P(Matrix, ConflictTest, ::testing::Values(
    ConflictCase{"TableThenTable", TablaEmpresa, TablaEmpresa, Ocupado},
    ConflictCase{"TableThenRecord", TablaEmpresa, Empresa1, Ocupado},
    ConflictCase{"TableThenPartial", TablaEmpresa, Empresa1Parcial, Ocupado},
    ConflictCase{"RecordThenTable", Empresa1, TablaEmpresa, Ocupado},
    ConflictCase{"PartialThenTable", Empresa1Parcial, TablaEmpresa, Ocupado},
    ConflictCase{"RecordThenSameRecord", Empresa1, Empresa1, Ocupado},
    ConflictCase{"RecordThenPartial", Empresa1, Empresa1Parcial, Ocupado},
    ConflictCase{"PartialThenRecord", Empresa1Parcial, Empresa1, Ocupado},
    ConflictCase{"PartialThenPartial", Empresa1Parcial, Empresa1Parcial, Concedido},
    ConflictCase{"RecordThenOtherRecord", Empresa1, Empresa2, Concedido},
    ConflictCase{"PartialThenOtherRecord", Empresa1Parcial, Empresa2, Concedido},
    ConflictCase{"TableThenOtherTable", TablaEmpresa, Pedido{"Padron", nullptr, false}, Concedido},
    ConflictCase{"TableNamesIgnoreCase", Pedido{"EMPRESA", nullptr, false}, Pedido{"empresa", "1", false}, Ocupado},
    ConflictCase{"KeyWithLeadingBlank", Empresa1, Pedido{"Empresa", " 1", false}, Ocupado}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LocksTest, OwnLocksNeverConflict)
{
    auto bloqueos = nuevo();
    EXPECT_EQ(tomar(*bloqueos, {TablaEmpresa, Empresa1, Empresa1Parcial}), Concedido);
    EXPECT_EQ(tomar(*bloqueos, {Empresa1}), Concedido);
}

TEST_F(LocksTest, TakeIsAllOrNothing)
{
    auto holder = nuevo();
    auto loser = nuevo();
    auto third = nuevo();
    ASSERT_EQ(tomar(*holder, {Empresa2}), Concedido);
    EXPECT_EQ(tomar(*loser, {Empresa1, Empresa2}), Ocupado);
    EXPECT_EQ(tomar(*third, {Empresa1}), Concedido) << "the refused take kept Empresa 1";
}

TEST_F(LocksTest, ReleaseAndDestructionFreeTheLocks)
{
    auto other = nuevo();
    auto holder = nuevo();
    ASSERT_EQ(tomar(*holder, {TablaEmpresa}), Concedido);
    holder->LiberarBloqueos();
    EXPECT_EQ(tomar(*other, {Empresa1}), Concedido);
    other.reset();

    {
        auto scoped = nuevo();
        ASSERT_EQ(tomar(*scoped, {TablaEmpresa}), Concedido);
    }
    EXPECT_EQ(tomar(*holder, {TablaEmpresa}), Concedido);
}

TEST_F(LocksTest, TestOnlyKeepsTheDeclarationsAndTakesNothing)
{
    auto tester = nuevo();
    auto other = nuevo();
    declarar(*tester, TablaEmpresa);
    EXPECT_EQ(tester->lngEfectuarBloqueos(true), Concedido);
    EXPECT_EQ(tester->declarados().size(), 1);
    EXPECT_EQ(tomar(*other, {Empresa1}), Concedido) << "the test held a lock";
    EXPECT_EQ(tester->lngEfectuarBloqueos(true), Ocupado);
    other->LiberarBloqueos();
    EXPECT_EQ(tester->lngEfectuarBloqueos(), Concedido) << "the declaration was dropped by the test";
    EXPECT_TRUE(tester->declarados().isEmpty());
    EXPECT_EQ(tomar(*other, {Empresa1}), Ocupado);
}

TEST_F(LocksTest, RefusedTakeUsesUpTheDeclarations)
{
    auto holder = nuevo();
    auto loser = nuevo();
    ASSERT_EQ(tomar(*holder, {Empresa1}), Concedido);
    ASSERT_EQ(tomar(*loser, {Empresa1}), Ocupado);
    holder->LiberarBloqueos();
    EXPECT_EQ(loser->lngEfectuarBloqueos(), Concedido);
    EXPECT_EQ(tomar(*holder, {Empresa1}), Concedido) << "the loser took something later";
}

TEST_F(LocksTest, MissingRecordIsRefusedAndNothingIsTaken)
{
    auto bloqueos = nuevo();
    auto other = nuevo();
    EXPECT_EQ(tomar(*bloqueos, {TablaEmpresa, Pedido{"Empresa", "99", false}}),
              cProcesarBloqueos::BloqueoRegistroInexistente);
    EXPECT_EQ(tomar(*other, {TablaEmpresa}), Concedido);
    EXPECT_EQ(tomar(*bloqueos, {Pedido{"Padron", nullptr, false}}), Concedido)
        << "the refusal outlived its take";
}

TEST_F(LocksTest, FailedDeclarationMakesTheTakeRefuse)
{
    const std::vector<std::pair<const char*, std::function<void(cProcesarBloqueos&)>>> failures = {
        {"no table", [](cProcesarBloqueos& b) { b.DefinirBloqueo(QString(), true); }},
        {"whole table not asked", [](cProcesarBloqueos& b) { b.DefinirBloqueo("Padron", false); }},
        {"no connection", [](cProcesarBloqueos& b) { b.DefinirBloqueo({.strTabla = "Padron", .strRegistro = "1"}); }},
        {"bad SELECT", [this](cProcesarBloqueos& b) { b.DefinirBloqueo("Padron", datos, "SELECT Nada FROM NoHay"); }},
        {"bad existence SELECT", [this](cProcesarBloqueos& b) {
             b.DefinirBloqueo({.strTabla = "Empresa", .conBD = &datos, .strRegistro = "1",
                               .blnComprobarExisteRegistro = true, .strSQLExisteRegistro = "SELECT x FROM NoHay"});
         }},
        {"no existence SELECT", [this](cProcesarBloqueos& b) {
             b.DefinirBloqueo({.strTabla = "Empresa", .conBD = &datos, .strRegistro = "1",
                               .blnComprobarExisteRegistro = true});
         }},
    };
    for (const auto& [name, fail] : failures) {
        SCOPED_TRACE(name);
        auto bloqueos = nuevo();
        auto other = nuevo();
        declarar(*bloqueos, TablaEmpresa);
        EXPECT_THROW(fail(*bloqueos), vb::VbError);
        EXPECT_EQ(bloqueos->lngEfectuarBloqueos(true), cProcesarBloqueos::BloqueoDeclaracionFallida);
        EXPECT_EQ(bloqueos->lngEfectuarBloqueos(), cProcesarBloqueos::BloqueoDeclaracionFallida);
        EXPECT_EQ(tomar(*other, {TablaEmpresa}), Concedido) << "a refused take held a lock";
        other->LiberarBloqueos();
        EXPECT_EQ(tomar(*bloqueos, {TablaEmpresa}), Concedido) << "the failure outlived its take";
    }
}

TEST_F(LocksTest, SelectKeysMatchRecordKeys)
{
    auto bySelect = nuevo();
    auto byRecord = nuevo();
    bySelect->DefinirBloqueo("Padron", datos, "SELECT IDPadron FROM Padron WHERE IDPadron<3");
    EXPECT_EQ(bySelect->declarados().size(), 2);
    ASSERT_EQ(bySelect->lngEfectuarBloqueos(), Concedido);
    EXPECT_EQ(tomar(*byRecord, {Pedido{"Padron", "2", false}}), Ocupado);
    EXPECT_EQ(tomar(*byRecord, {Pedido{"Padron", "3", false}}), Concedido);
}

TEST_F(LocksTest, RowsOfSeveralColumnsAreDelimitedKeys)
{
    // (1, 23, 5) and (12, 3, 5) glued together would both be 1235.
    const QString sql = QStringLiteral(
        "SELECT codInstitucion, CodBanco, codSubcuenta FROM Contab_Enlace_Bancos WHERE codInstitucion=%1");
    auto first = nuevo();
    auto second = nuevo();
    first->DefinirBloqueo("Contab_Enlace_Bancos", datos, sql.arg(1));
    ASSERT_EQ(first->lngEfectuarBloqueos(), Concedido);
    second->DefinirBloqueo("Contab_Enlace_Bancos", datos, sql.arg(12));
    EXPECT_EQ(second->lngEfectuarBloqueos(), Concedido);
    second->DefinirBloqueo("Contab_Enlace_Bancos", datos, sql.arg(1));
    EXPECT_EQ(second->lngEfectuarBloqueos(), Ocupado);
}

TEST_F(LocksTest, RowsWithoutKeyAndEmptySelectionsDeclareNothing)
{
    auto bloqueos = nuevo();
    bloqueos->DefinirBloqueo("Contab_Enlace_Institucion", datos,
                             "SELECT CodEmpresa FROM Contab_Enlace_Institucion WHERE CodInstitucion = 7");
    bloqueos->DefinirBloqueo("Padron", datos, "SELECT IDPadron FROM Padron WHERE IDPadron=99");
    EXPECT_TRUE(bloqueos->declarados().isEmpty());
    EXPECT_EQ(bloqueos->lngEfectuarBloqueos(), Concedido);
}

TEST_F(LocksTest, UseBeforeInicializarRaisesError91)
{
    cProcesarBloqueos bloqueos;
    bloqueos.DefinirBloqueo("Padron", true);
    for (const auto& call : std::vector<std::function<void()>>{
             [&] { bloqueos.lngEfectuarBloqueos(); },
             [&] { bloqueos.EstablecerBloqueoEntradaAplicacion(); },
             [&] { bloqueos.blnComprobarBloqueoEntradaAplicacion(); }}) {
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const vb::VbError& error) {
            EXPECT_EQ(error.number(), PVAPI::ErrLockNotInitialised);
        }
    }
    EXPECT_NO_THROW(bloqueos.LiberarBloqueos());
}

TEST_F(LocksTest, MissingFolderRaisesError76)
{
    cProcesarBloqueos bloqueos;
    try {
        bloqueos.Inicializar(folder.path() + QStringLiteral("/no-existe/"));
        ADD_FAILURE() << "no error";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.number(), PVAPI::ErrLockFolderNotFound);
    }
}

// The lock file and the liveness files live in the data folder: a folder
// that may not be written is said so, naming it, and nothing is made there.
TEST_F(LocksTest, ReadOnlyFolderIsToldAsSuchAndNothingIsMade)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes in a read-only folder";
    const QString carpeta = folder.path() + QStringLiteral("/solo lectura");
    ASSERT_TRUE(QDir().mkdir(carpeta));
    ASSERT_EQ(::chmod(QFile::encodeName(carpeta).constData(), 0555), 0);

    cProcesarBloqueos bloqueos;
    long numero = 0;
    QString texto;
    try {
        bloqueos.Inicializar(carpeta + QLatin1Char('/'));
    } catch (const vb::VbError& error) {
        numero = error.number();
        texto = error.description();
    }
    const QStringList hechos = QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    ::chmod(QFile::encodeName(carpeta).constData(), 0755);

    EXPECT_EQ(numero, PVAPI::ErrLockFolderReadOnly);
    EXPECT_EQ(texto, QStringLiteral("La carpeta de los datos '%1' es de sólo lectura, y el programa necesita "
                                    "escribir en ella para saber qué otros puestos de trabajo usan los datos. Pida "
                                    "permiso de escritura en esa carpeta al administrador del equipo, o copie los "
                                    "datos a una carpeta en la que pueda escribir.")
                         .arg(QFileInfo(carpeta).canonicalFilePath()));
    EXPECT_TRUE(hechos.isEmpty()) << hechos.join(u' ').toStdString();
}

TEST_F(LocksTest, FolderSpellingsNameOneFolder)
{
    cProcesarBloqueos slash;
    cProcesarBloqueos backslash;
    slash.Inicializar(folder.path() + QStringLiteral("/"));
    backslash.Inicializar(folder.path() + QStringLiteral("\\"));
    slash.DefinirBloqueo("Padron", true);
    backslash.DefinirBloqueo("Padron", true);
    ASSERT_EQ(slash.lngEfectuarBloqueos(), Concedido);
    EXPECT_EQ(backslash.lngEfectuarBloqueos(), Ocupado);
}

TEST_F(LocksTest, ThisProgramIsNeitherAnotherWorkstationNorAnotherUser)
{
    auto holder = nuevo();
    auto asker = nuevo();
    holder->EstablecerBloqueoEntradaAplicacion();
    EXPECT_FALSE(asker->blnComprobarBloqueoEntradaAplicacion());
    EXPECT_FALSE(holder->blnComprobarBloqueoEntradaAplicacion());
    EXPECT_TRUE(PVAPI::cUtilidadesBD().blnComprobarAccesoExclusivo(folder.dataFile(), datos));
}

} // namespace
