// Every start checks the accounting database's version table. A database that
// is already current must come out of that check byte for byte as it went in,
// and the check must not wait for, nor fail on, another workstation that is
// writing to the file.

#include "CarpetaPrueba.h"

#include "platform/db/BusyRetry.h"
#include "platform/db/Connection.h"
#include "schema/upgrade/cActBDContab.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const QString kContabilidad = QStringLiteral("Contabilidad.mdb");

// Another workstation in the middle of a write on the file.
class EscrituraAjena {
public:
    explicit EscrituraAjena(const QString& ruta)
    {
        sqlite3_open_v2(QFile::encodeName(ruta).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
        m_activa = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~EscrituraAjena() { Soltar(); }
    EscrituraAjena(const EscrituraAjena&) = delete;
    EscrituraAjena& operator=(const EscrituraAjena&) = delete;

    bool Activa() const { return m_activa; }
    void Soltar()
    {
        if (m_db)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(m_db);
        m_db = nullptr;
    }

private:
    sqlite3* m_db = nullptr;
    bool m_activa = false;
};

struct Huella {
    QByteArray hash;
    QDateTime modificado;
    bool operator==(const Huella&) const = default;
};

class ContabilidadSinEscritura : public ::testing::Test {
protected:
    void SetUp() override { db::BusyRetry::SetTimeoutMs(50); }
    void TearDown() override { db::BusyRetry::SetTimeoutMs(0); }

    void Actualizar()
    {
        db::Connection con = carpeta.AbrirContabilidad();
        OpcionesActualizacion o;
        o.terminarPrograma = [this] { ++finesDePrograma; };
        cActBDContab(con, o).ComprobarVersionBD();
    }

    Huella HuellaActual() const
    {
        return {QCryptographicHash::hash(carpeta.Bytes(kContabilidad), QCryptographicHash::Sha256),
                QFileInfo(carpeta.Ruta(kContabilidad)).lastModified()};
    }

    QString DeclaracionDeVersion() const
    {
        db::Connection con = carpeta.AbrirContabilidad();
        db::Recordset rs = con.Execute(QStringLiteral("SELECT type FROM pragma_table_info('Informacion') WHERE name = 'Version'"));
        return rs.isEOF() ? QString() : rs.value(0).toString();
    }

    CarpetaPrueba carpeta;
    int finesDePrograma = 0;
};

class DesdeCadaVersion : public ContabilidadSinEscritura, public ::testing::WithParamInterface<const char*> {};

TEST_P(DesdeCadaVersion, ASecondStartWritesNothingEvenWhileAnotherWorkstationWrites)
{
    carpeta.CrearContabilidad(QString::fromUtf8(GetParam()));
    Actualizar();
    const Huella antes = HuellaActual();

    {
        EscrituraAjena otro(carpeta.Ruta(kContabilidad));
        ASSERT_TRUE(otro.Activa());
        EXPECT_NO_THROW(Actualizar());
    }
    EXPECT_NO_THROW(Actualizar());

    EXPECT_TRUE(HuellaActual() == antes);
    EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
    EXPECT_EQ(finesDePrograma, 0);
}

INSTANTIATE_TEST_SUITE_P(Inicios, DesdeCadaVersion, ::testing::Values("", "1.0.1", "1.0.2"));

// The version column of another width does need rewriting; with the file
// busy the user may give up, and the start goes on all the same. The next
// start makes the change.
TEST_F(ContabilidadSinEscritura, AColumnThatMustChangeNeverStopsTheStart)
{
    carpeta.CrearContabilidad(QStringLiteral("1.0.2"));
    {
        db::Connection con = carpeta.AbrirContabilidad();
        con.Execute(QStringLiteral("ALTER TABLE Informacion ALTER COLUMN Version NVARCHAR(20)"));
    }
    testsupport::scriptedUi().queueAnswer(ui::vbCancel);
    {
        EscrituraAjena otro(carpeta.Ruta(kContabilidad));
        ASSERT_TRUE(otro.Activa());
        EXPECT_NO_THROW(Actualizar());
    }
    EXPECT_EQ(testsupport::scriptedUi().messages().size(), 1);
    EXPECT_EQ(DeclaracionDeVersion(), QStringLiteral("NVARCHAR(20)"));
    EXPECT_EQ(finesDePrograma, 0);

    Actualizar();
    EXPECT_EQ(DeclaracionDeVersion(), QStringLiteral("NVARCHAR(50)"));
}

} // namespace
