#include "AccionesFixture.h"

#include "LocksHelperProcess.h"

#include "actions/AccesoExclusivoBloqueos.h"
#include "actions/ImportacionTablas.h"
#include "import/AbrirAsistenteImportar.h"
#include "import/frmImportar.h"
#include "platform/locks/LockSession.h"
#include "platform/vb/VbError.h"

// The import of tables runs only while this workstation is the only user of
// the parish database and keeps the others from starting meanwhile: the
// entry lock first, then the exclusive-access test; the lock goes on every
// path, before any message waits.

namespace {

const QString kSinAccesoExclusivo = QStringLiteral(
    "Para realizar esta operación necesita acceso exclusivo a la base de datos. La base de datos es utilizada "
    "en estos momentos por otros usuarios. Intentelo más tarde");

// The locking service as the import uses it, recording the calls in order
// with the messages shown so far.
class AccesoGrabado : public IAccesoExclusivo {
public:
    void Inicializar(const QString& strDirectorio) override { anotar(QStringLiteral("Inicializar ") + strDirectorio); }
    void EstablecerBloqueoEntradaAplicacion() override
    {
        anotar(QStringLiteral("Entrada"));
        if (fallarEntrada)
            throw vb::VbError(-2147220988, QStringLiteral("Archivo de bloqueos ocupado"));
    }
    bool blnComprobarAccesoExclusivo(const QString&, db::Connection&) override
    {
        anotar(QStringLiteral("Exclusivo"));
        return exclusivo;
    }
    void LiberarBloqueos() override { anotar(QStringLiteral("Liberar")); }

    void anotar(const QString& llamada)
    {
        llamadas << llamada + QStringLiteral(" (%1)").arg(AccionesTest::pantalla().messages().size());
    }

    bool exclusivo = true;
    bool fallarEntrada = false;
    QStringList llamadas;
};

class ImportarTablasTest : public AccionesTest {
public:
    ~ImportarTablasTest() override { PVAPI::LockSession::CloseAll(); }

    QString Carpeta() const { return carpeta.path() + QLatin1Char('/'); }
    void Importar(const std::function<void()>& asistente)
    {
        ImportarTablasConAccesoExclusivo(acceso, app.den.conLocal, asistente);
    }

    AccesoGrabado acceso;
    int asistentes = 0;
};

TEST_F(ImportarTablasTest, ElAsistenteCorreConElBloqueoDeEntrada)
{
    ui::MousePointer punteroDurante = ui::vbDefault;
    Importar([&] {
        acceso.anotar(QStringLiteral("Asistente"));
        punteroDurante = pantalla().mousePointer();
    });

    EXPECT_EQ(acceso.llamadas, (QStringList{"Inicializar " + Carpeta() + " (0)", "Entrada (0)", "Exclusivo (0)",
                                            "Asistente (0)", "Liberar (0)"}));
    EXPECT_EQ(punteroDurante, ui::vbHourglass);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

TEST_F(ImportarTablasTest, OtroUsuarioDeLaBaseDejaElAvisoSinAsistenteNiBloqueo)
{
    acceso.exclusivo = false;
    pantalla().queueAnswer(ui::vbOK);

    Importar([&] { ++asistentes; });

    EXPECT_EQ(asistentes, 0);
    EXPECT_EQ(acceso.llamadas, (QStringList{"Inicializar " + Carpeta() + " (0)", "Entrada (0)", "Exclusivo (0)",
                                            "Liberar (0)"}));
    EXPECT_EQ(pantalla().beepCount(), 1);
    const auto aviso = pantalla().lastMessage();
    EXPECT_EQ(aviso.text, kSinAccesoExclusivo);
    EXPECT_EQ(aviso.icon, ui::vbExclamation);
    EXPECT_EQ(aviso.buttons, ui::vbOKOnly);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

// A failure of the wizard or of the entry lock itself still releases the
// locks, and reaches the caller.
TEST_F(ImportarTablasTest, UnFalloLiberaLosBloqueos)
{
    EXPECT_THROW(Importar([] { throw vb::VbError(3022, QStringLiteral("Registro duplicado")); }), vb::VbError);
    EXPECT_EQ(acceso.llamadas.last(), QStringLiteral("Liberar (0)"));
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);

    acceso.llamadas.clear();
    acceso.fallarEntrada = true;
    EXPECT_THROW(Importar([&] { ++asistentes; }), vb::VbError);
    EXPECT_EQ(acceso.llamadas, (QStringList{"Inicializar " + Carpeta() + " (0)", "Entrada (0)", "Liberar (0)"}));
    EXPECT_EQ(asistentes, 0);
}

// The locking service itself, seen from another workstation: the entry
// lock is held while the wizard runs and gone afterwards.
TEST_F(ImportarTablasTest, OtroEquipoVeElBloqueoDeEntradaSoloDuranteElAsistente)
{
    AccesoExclusivoBloqueos bloqueos;
    QString durante;
    ImportarTablasConAccesoExclusivo(bloqueos, app.den.conLocal, [&] {
        LocksHelperProcess otroEquipo;
        ASSERT_EQ(otroEquipo.send(QStringLiteral("iniciar ") + carpeta.path()), QStringLiteral("ok"));
        durante = otroEquipo.send(QStringLiteral("hayentrada"));
    });
    LocksHelperProcess otroEquipo;
    ASSERT_EQ(otroEquipo.send(QStringLiteral("iniciar ") + carpeta.path()), QStringLiteral("ok"));

    EXPECT_EQ(durante, QStringLiteral("si"));
    EXPECT_EQ(otroEquipo.send(QStringLiteral("hayentrada")), QStringLiteral("no"));
}

// The command as the menu runs it: with another workstation in the folder
// the user gets the exclusive-access message and no entry lock stays.
TEST_F(ImportarTablasTest, ConOtroEquipoEnLaCarpetaLaOrdenSeNiega)
{
    LocksHelperProcess otroEquipo;
    ASSERT_EQ(otroEquipo.send(QStringLiteral("iniciar ") + carpeta.path()), QStringLiteral("ok"));
    pantalla().queueAnswer(ui::vbOK);

    acciones.ImportarTablas();

    EXPECT_EQ(pantalla().lastMessage().text, kSinAccesoExclusivo);
    EXPECT_EQ(otroEquipo.send(QStringLiteral("hayentrada")), QStringLiteral("no"));
}

// Alone in the folder: the wizard opens on its first page, with the entry
// lock held, over the program's parish database and add-ins.
TEST_F(ImportarTablasTest, SoloEnLaCarpetaSeAbreElAsistente)
{
    QString durante;
    int pagina = -1;
    EstablecerEjecutorAsistenteImportar([&](frmImportar& asistente) {
        asistente.show();
        pagina = asistente.Asistente().mintPaso;
        LocksHelperProcess otroEquipo;
        ASSERT_EQ(otroEquipo.send(QStringLiteral("iniciar ") + carpeta.path()), QStringLiteral("ok"));
        durante = otroEquipo.send(QStringLiteral("hayentrada"));
        asistente.Asistente().cmdImportar_Click(1);
    });

    acciones.ImportarTablas();
    EstablecerEjecutorAsistenteImportar({});

    EXPECT_EQ(pagina, 0);
    EXPECT_EQ(durante, QStringLiteral("si"));
    EXPECT_TRUE(pantalla().messages().isEmpty());
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

} // namespace
