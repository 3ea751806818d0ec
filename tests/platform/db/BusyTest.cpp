#include "DbLockHelper.h"

#include "platform/db/BusyRetry.h"
#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/DbErrors.h"
#include "platform/vb/VbError.h"
#include "support/ScriptedUi.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using db::BusyRetry;

constexpr int kShortTimeoutMs = 50;

// What the other workstation holds while this one works on the file.
enum class Otro { Lectura, Escritura, Exclusivo };

struct Caso {
    const char* nombre;
    Otro otro;
    BusyRetry::Operation operacion;
    std::function<void(db::Connection&, const QString& cadena)> hacer;
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nombre; }

const Caso kCasos[] = {
    {"LecturaBajoExclusivo", Otro::Exclusivo, BusyRetry::Operation::Read,
     [](db::Connection& con, const QString&) { con.Execute(QStringLiteral("SELECT Nombre FROM Persona")); }},
    {"AperturaBajoExclusivo", Otro::Exclusivo, BusyRetry::Operation::Read,
     [](db::Connection& con, const QString& cadena) {
         con.Close();
         con.Open(cadena);
     }},
    {"ModificacionBajoEscritura", Otro::Escritura, BusyRetry::Operation::Write,
     [](db::Connection& con, const QString&) { con.Exec(QStringLiteral("UPDATE Persona SET Nombre = 'Eva'")); }},
    {"TransaccionBajoEscritura", Otro::Escritura, BusyRetry::Operation::Write,
     [](db::Connection& con, const QString&) { con.BeginTrans(); }},
    // A statement that reads the layout first and then wants to write is
    // refused at once by SQLite; it must still wait before asking.
    {"EstructuraBajoEscritura", Otro::Escritura, BusyRetry::Operation::Write,
     [](db::Connection& con, const QString&) {
         con.Execute(QStringLiteral("ALTER TABLE Persona ADD COLUMN Telefono NVARCHAR(20)"));
     }},
    {"ConfirmacionBajoLectura", Otro::Lectura, BusyRetry::Operation::Write,
     [](db::Connection& con, const QString&) {
         con.BeginTrans();
         con.Exec(QStringLiteral("UPDATE Persona SET Nombre = 'Eva'"));
         con.CommitTrans();
     }},
};

// Puts the shared scripted Ui back however the test ends.
class UiInstalada {
public:
    explicit UiInstalada(ui::Ui& ui) { ui::SetCurrent(&ui); }
    ~UiInstalada() { ui::SetCurrent(&testsupport::scriptedUi()); }
    UiInstalada(const UiInstalada&) = delete;
    UiInstalada& operator=(const UiInstalada&) = delete;
};

// The user who answers "Reintentar" once the other workstation has let go.
class UiQueEsperaAlOtro : public testsupport::ScriptedUi {
public:
    explicit UiQueEsperaAlOtro(DbLockHelper& otro) : m_otro(otro) {}

protected:
    int showMessage(const ui::Message& message) override
    {
        EXPECT_TRUE(m_otro.release());
        return ScriptedUi::showMessage(message);
    }

private:
    DbLockHelper& m_otro;
};

class BusyTest : public ::testing::TestWithParam<Caso> {
protected:
    void SetUp() override
    {
        BusyRetry::SetTimeoutMs(kShortTimeoutMs);
        ASSERT_TRUE(m_dir.isValid());
        m_ruta = m_dir.filePath(QStringLiteral("Duzediv.mdb"));
        db::CreateDatabase(m_ruta);
        con.Open(Cadena());
        con.Execute(QStringLiteral("CREATE TABLE Persona (IDPersona COUNTER PRIMARY KEY, Nombre NVARCHAR(40))"));
        con.Execute(QStringLiteral("INSERT INTO Persona (Nombre) VALUES ('Ana')"));
    }
    void TearDown() override { BusyRetry::SetTimeoutMs(0); }

    QString Cadena() const { return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + m_ruta; }

    bool OtroBloquea(Otro otro)
    {
        switch (otro) {
        case Otro::Lectura: return m_otro.holdRead(m_ruta);
        case Otro::Escritura: return m_otro.holdWrite(m_ruta);
        case Otro::Exclusivo: return m_otro.holdExclusive(m_ruta);
        }
        return false;
    }

    QTemporaryDir m_dir;
    QString m_ruta;
    db::Connection con;
    DbLockHelper m_otro;
};

TEST_P(BusyTest, CancelGivesTheBusyErrorOfTheOperationAfterTheShortWait)
{
    const Caso& caso = GetParam();
    ASSERT_TRUE(OtroBloquea(caso.otro));
    testsupport::ScriptedUi& ui = testsupport::scriptedUi();
    ui.queueAnswer(ui::vbCancel);

    QElapsedTimer reloj;
    reloj.start();
    long numero = 0;
    QString descripcion;
    try {
        caso.hacer(con, Cadena());
    } catch (const vb::VbError& error) {
        numero = error.number();
        descripcion = error.description();
    }
    const qint64 tardado = reloj.elapsed();

    EXPECT_EQ(numero, db::err::Busy);
    EXPECT_EQ(descripcion, BusyRetry::ErrorText(m_ruta, caso.operacion));
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.lastMessage().text, BusyRetry::QuestionText(m_ruta, caso.operacion));
    EXPECT_EQ(ui.lastMessage().buttons, ui::vbRetryCancel);
    EXPECT_GE(tardado, kShortTimeoutMs);
    // The engine's old wait was five seconds before any word to the user.
    EXPECT_LT(tardado, 3000);
}

TEST_P(BusyTest, RetryAfterTheOtherWorkstationLetsGoSucceeds)
{
    const Caso& caso = GetParam();
    ASSERT_TRUE(OtroBloquea(caso.otro));
    UiQueEsperaAlOtro usuario(m_otro);
    UiInstalada instalada(usuario);
    usuario.queueAnswer(ui::vbRetry);

    EXPECT_NO_THROW(caso.hacer(con, Cadena()));

    EXPECT_EQ(usuario.messageTexts(), QStringList{BusyRetry::QuestionText(m_ruta, caso.operacion)});
    EXPECT_EQ(usuario.pendingAnswers(), 0);
    EXPECT_TRUE(con.isOpen());
}

INSTANTIATE_TEST_SUITE_P(OtroPuesto, BusyTest, ::testing::ValuesIn(kCasos),
                         [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nombre); });

TEST(BusyTextsTest, AReadIsNeverCalledAnUpdate)
{
    for (const QString& texto : {BusyRetry::QuestionText(QStringLiteral("/datos/Duzediv.mdb"), BusyRetry::Operation::Read),
                                 BusyRetry::ErrorText(QStringLiteral("/datos/Duzediv.mdb"), BusyRetry::Operation::Read)}) {
        EXPECT_FALSE(texto.contains(QStringLiteral("actualizar"), Qt::CaseInsensitive)) << texto.toStdString();
        EXPECT_FALSE(texto.contains(QStringLiteral("guardar"), Qt::CaseInsensitive)) << texto.toStdString();
        EXPECT_TRUE(texto.contains(QStringLiteral("'Duzediv.mdb'"))) << texto.toStdString();
    }
}

} // namespace
