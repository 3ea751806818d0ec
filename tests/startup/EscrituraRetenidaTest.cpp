// Another workstation keeps a write open on each of the three databases for
// longer than any start takes: each holder is a process of its own
// (db_lock_helper) and holds until the test lets it go, so nothing here
// sleeps. Once the folder is settled the start needs to write none of them
// and starts at once; when the parish database does need a write, the user
// is told that another workstation is using the data, and may retry.

#include "ArranqueFixture.h"
#include "DbLockHelper.h"

#include "BasesDatosPrograma.h"
#include "platform/db/BusyRetry.h"
#include "platform/ui/Ui.h"
#include "support/ScriptedUi.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMap>

#include <array>

namespace {

constexpr int kEsperaCortaMs = 50;

const BaseDatosPrograma kBases[] = {BaseDatosPrograma::Duzediv, BaseDatosPrograma::Informes,
                                    BaseDatosPrograma::Contabilidad};

QByteArray Huella(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The user at this workstation. When asked to retry, the other workstation
// named here has just finished and let go.
class Usuario : public testsupport::ScriptedUi {
public:
    DbLockHelper* terminaAlPreguntar = nullptr;

protected:
    int showMessage(const ui::Message& message) override
    {
        if (terminaAlPreguntar && message.buttons == ui::vbRetryCancel) {
            EXPECT_TRUE(terminaAlPreguntar->release());
            terminaAlPreguntar = nullptr;
        }
        return ScriptedUi::showMessage(message);
    }
};

// Puts the shared scripted Ui back however the test ends.
class UiInstalada {
public:
    explicit UiInstalada(ui::Ui& ui) { ui::SetCurrent(&ui); }
    ~UiInstalada() { ui::SetCurrent(&testsupport::scriptedUi()); }
    UiInstalada(const UiInstalada&) = delete;
    UiInstalada& operator=(const UiInstalada&) = delete;
};

} // namespace

class EscrituraRetenidaTest : public ArranqueTest {
protected:
    EscrituraRetenidaTest() { db::BusyRetry::SetTimeoutMs(kEsperaCortaMs); }
    ~EscrituraRetenidaTest() override { db::BusyRetry::SetTimeoutMs(0); }

    QString Ruta(BaseDatosPrograma base) const { return carpeta.file(Descripcion(base).archivo); }

    void RetenerEscrituras()
    {
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(otros[i].holdWrite(Ruta(kBases[i]))) << Descripcion(kBases[i]).archivo.toStdString();
    }
    void Soltar()
    {
        for (DbLockHelper& otro : otros)
            EXPECT_TRUE(otro.release());
    }

    QMap<QString, QByteArray> Huellas() const
    {
        QMap<QString, QByteArray> huellas;
        for (BaseDatosPrograma base : kBases)
            huellas.insert(Descripcion(base).archivo, Huella(Ruta(base)));
        return huellas;
    }

    // A first start writes what a new folder lacks (the edition's type code,
    // the add-in flags); the next ones have nothing to write.
    void Asentar()
    {
        ASSERT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);
        Cerrar();
        pantalla().reset();
    }
    void Cerrar()
    {
        modMain.reset();
        app.den = {};
    }

    std::array<DbLockHelper, 3> otros;
};

TEST_F(EscrituraRetenidaTest, ArrancaSinEsperarNiEscribirNada)
{
    Asentar();
    RetenerEscrituras();
    const QMap<QString, QByteArray> antes = Huellas();

    EXPECT_EQ(Arrancar(), ModMain::Resultado::VentanaPrincipal);

    EXPECT_TRUE(pantalla().messages().isEmpty()) << pantalla().messageTexts().join(u'|').toStdString();
    EXPECT_EQ(ventana.mostrada, 2);
    EXPECT_TRUE(app.den.conLocal.isOpen());
    EXPECT_TRUE(app.den.conInformes.isOpen());
    EXPECT_TRUE(app.den.conContabilidad.isOpen());
    Cerrar();
    EXPECT_EQ(Huellas(), antes);
    Soltar();
}

TEST_F(EscrituraRetenidaTest, UnaEscrituraEnLaParroquiaDiceQueLosDatosEstanEnUsoYSePuedeReintentar)
{
    Asentar();
    const QString parroquia = Ruta(BaseDatosPrograma::Duzediv);
    const QString pregunta = db::BusyRetry::QuestionText(parroquia, db::BusyRetry::Operation::Write);
    for (const int respuesta : {ui::vbRetry, ui::vbCancel}) {
        SCOPED_TRACE(respuesta);
        // The start must write the edition's type code again.
        EjecutarEnDuzediv(QStringLiteral("UPDATE Informacion SET TipoAplicacion = 'OTRA'"));
        RetenerEscrituras();
        const QMap<QString, QByteArray> antes = Huellas();
        terminaciones.clear();
        Usuario usuario;
        const UiInstalada instalada(usuario);
        if (respuesta == ui::vbRetry) {
            usuario.terminaAlPreguntar = &otros[0];
            usuario.queueAnswer(ui::vbRetry);
        } else {
            usuario.queueAnswers({ui::vbCancel, ui::vbOK});
        }

        const ModMain::Resultado resultado = Arrancar();
        Cerrar();

        ASSERT_FALSE(usuario.messages().isEmpty());
        EXPECT_EQ(usuario.messages().at(0).text, pregunta);
        EXPECT_EQ(usuario.messages().at(0).buttons, ui::vbRetryCancel);
        EXPECT_EQ(usuario.pendingAnswers(), 0);
        // The other databases needed no write.
        EXPECT_EQ(Huellas().value(QStringLiteral("Informes.mdb")), antes.value(QStringLiteral("Informes.mdb")));
        EXPECT_EQ(Huellas().value(QStringLiteral("Contabilidad.mdb")),
                  antes.value(QStringLiteral("Contabilidad.mdb")));
        if (respuesta == ui::vbRetry) {
            EXPECT_EQ(resultado, ModMain::Resultado::VentanaPrincipal);
            EXPECT_EQ(usuario.messages().size(), 1);
            EXPECT_EQ(ValorDuzediv(QStringLiteral("SELECT TipoAplicacion FROM Informacion")).toString(),
                      QStringLiteral("NPV2000-SARDEL"));
        } else {
            // Giving up ends the start with a plain warning, never an
            // unexpected error, and the parish database as it was.
            EXPECT_EQ(resultado, ModMain::Resultado::Terminado);
            EXPECT_EQ(terminaciones, QList<int>{1});
            ASSERT_EQ(usuario.messages().size(), 2);
            EXPECT_EQ(usuario.messages().at(1).text,
                      db::BusyRetry::ErrorText(parroquia, db::BusyRetry::Operation::Write));
            EXPECT_EQ(usuario.messages().at(1).icon, ui::vbExclamation);
            EXPECT_EQ(Huellas().value(QStringLiteral("Duzediv.mdb")), antes.value(QStringLiteral("Duzediv.mdb")));
        }
        Soltar();
    }
}
