#include "DbLockHelper.h"

#include "platform/db/BusyRetry.h"
#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "support/ScriptedUi.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A column as the table was made and as an ALTER COLUMN states it again.
struct Caso {
    const char* nombre;
    const char* creada;
    const char* restablecida;
    bool cambia;
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nombre; }

const Caso kCasos[] = {
    {"TextoConDefectoVacio", "Version NVARCHAR(50) DEFAULT \"\"", "[Version] NVARCHAR(50) DEFAULT \"\"", false},
    {"OtraGrafiaDelTipo", "Version NVARCHAR(50) DEFAULT \"\"", "[version] nvarchar(50) default \"\"", false},
    {"EnteroConDefecto", "Version INT DEFAULT 0", "Version INT DEFAULT 0", false},
    {"Contador", "Version COUNTER PRIMARY KEY", "Version COUNTER PRIMARY KEY", false},
    {"ClaveDeTexto", "Version NVARCHAR(10) PRIMARY KEY", "Version NVARCHAR(10) PRIMARY KEY", false},
    {"Requerido", "Version NVARCHAR(50) NOT NULL", "Version NVARCHAR(50) NOT NULL", false},
    {"SiNo", "Version BIT DEFAULT False", "Version BIT DEFAULT False", false},
    {"OtroAncho", "Version NVARCHAR(50) DEFAULT \"\"", "Version NVARCHAR(60) DEFAULT \"\"", true},
    {"OtroDefecto", "Version NVARCHAR(50) DEFAULT \"\"", "Version NVARCHAR(50) DEFAULT \"x\"", true},
    {"SinDefecto", "Version NVARCHAR(50) DEFAULT \"\"", "Version NVARCHAR(50)", true},
    {"AhoraRequerido", "Version NVARCHAR(50)", "Version NVARCHAR(50) NOT NULL", true},
    {"OtroTipo", "Version INT DEFAULT 0", "Version FLOAT DEFAULT 0", true},
};

struct Huella {
    QByteArray hash;
    QDateTime modificado;
    bool operator==(const Huella&) const = default;
};

Huella HuellaDe(const QString& ruta)
{
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return {};
    return {QCryptographicHash::hash(fichero.readAll(), QCryptographicHash::Sha256),
            QFileInfo(ruta).lastModified()};
}

class AlterColumnUnchangedTest : public ::testing::TestWithParam<Caso> {
protected:
    void SetUp() override
    {
        db::BusyRetry::SetTimeoutMs(50);
        ASSERT_TRUE(m_dir.isValid());
        m_ruta = m_dir.filePath(QStringLiteral("Contabilidad.mdb"));
        db::CreateDatabase(m_ruta);
        con.Open(QStringLiteral("Data Source=") + m_ruta);
        con.Execute(QStringLiteral("CREATE TABLE Informacion (Otra INT, %1)").arg(QString::fromUtf8(GetParam().creada)));
        con.Execute(QStringLiteral("INSERT INTO Informacion (Otra, Version) VALUES (1, 7)"));
    }
    void TearDown() override { db::BusyRetry::SetTimeoutMs(0); }

    QString Alter() const
    {
        return QStringLiteral("ALTER TABLE [Informacion] ALTER COLUMN ") + QString::fromUtf8(GetParam().restablecida);
    }

    QTemporaryDir m_dir;
    QString m_ruta;
    db::Connection con;
    DbLockHelper m_otro;
};

// Upgrades restate columns on every start: doing so must leave the file as it
// was, and must not wait for another workstation that is writing.
TEST_P(AlterColumnUnchangedTest, WritesOnlyWhenTheDeclarationChanges)
{
    const Huella antes = HuellaDe(m_ruta);
    ASSERT_TRUE(m_otro.holdWrite(m_ruta));
    if (!GetParam().cambia) {
        EXPECT_NO_THROW(con.Execute(Alter()));
        EXPECT_TRUE(testsupport::scriptedUi().messages().isEmpty());
        ASSERT_TRUE(m_otro.release());
        EXPECT_TRUE(HuellaDe(m_ruta) == antes);
        return;
    }
    // A real change needs the write lock, so it waits for the other.
    testsupport::scriptedUi().queueAnswer(ui::vbCancel);
    EXPECT_ANY_THROW(con.Execute(Alter()));
    ASSERT_TRUE(m_otro.release());
    EXPECT_NO_THROW(con.Execute(Alter()));
    EXPECT_FALSE(HuellaDe(m_ruta) == antes);
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT Otra FROM Informacion")).value(0).toInt64(), 1);
}

INSTANTIATE_TEST_SUITE_P(Columnas, AlterColumnUnchangedTest, ::testing::ValuesIn(kCasos),
                         [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nombre); });

} // namespace
