#include "core/AjustesUsuario.h"

#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "support/ScriptedUi.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

#include <functional>

namespace {

const AjustesUsuario kAjustes {QStringLiteral("Norvia Parvanta 2000"), QStringLiteral("Administrador"), 3082};

// The answers of the scripted screen, with something the user does while a
// message is shown (frees the disk, say) before answering it.
class PantallaQueActua : public testsupport::ScriptedUi {
public:
    std::function<void()> alPreguntar;

protected:
    int showMessage(const ui::Message& message) override
    {
        if (alPreguntar)
            alPreguntar();
        return ScriptedUi::showMessage(message);
    }
};

class LoteAjustesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = settings::Folder();
        ui::SetCurrent(&pantalla);
    }
    void TearDown() override
    {
        ui::SetCurrent(&testsupport::scriptedUi());
        pantalla.expectAllAnswersUsed();
        settings::SetFolder(carpeta);
    }

    // The settings folder lies below a file, so it cannot be made until the
    // file goes.
    void BloquearCarpeta()
    {
        QFile archivo(Bloqueo());
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.close();
        settings::SetFolder(QDir(Bloqueo()).filePath(QStringLiteral("ajustes")));
    }
    QString Bloqueo() const { return QDir(carpeta).filePath(QStringLiteral("bloqueo")); }

    static QString EnDisco(const QString& clave)
    {
        const QSettings qt(settings::FilePath(kAjustes.aplicacion), QSettings::IniFormat);
        return qt.value(clave, QStringLiteral("<ninguno>")).toString();
    }
    static void GuardarAnchos()
    {
        for (int i = 1; i <= 50; ++i)
            kAjustes.Guardar(kAjustes.SeccionGrids(), QString::number(i), QString::number(i * 100));
    }

    QString carpeta;
    PantallaQueActua pantalla;
};

TEST_F(LoteAjustesTest, AWholeStepReachesTheFileInOneWriteWithoutAWord)
{
    {
        const LoteAjustes lote;
        GuardarAnchos();
        {
            const LoteAjustes paso;
            kAjustes.Guardar(kAjustes.Seccion(QStringLiteral("Interface")), QStringLiteral("Left"),
                             QStringLiteral("1000"));
        }
        EXPECT_FALSE(QFileInfo::exists(settings::FilePath(kAjustes.aplicacion)));
        EXPECT_EQ(kAjustes.Leer(kAjustes.SeccionGrids(), QStringLiteral("7")), QStringLiteral("700"));
    }
    EXPECT_EQ(EnDisco(QStringLiteral("administrador/3082/grids/principal/50")), QStringLiteral("5000"));
    EXPECT_EQ(EnDisco(QStringLiteral("administrador/3082/interface/left")), QStringLiteral("1000"));
    EXPECT_TRUE(pantalla.messages().isEmpty());
}

TEST_F(LoteAjustesTest, AFailedWriteNamesTheFileAndIsTriedAgainOnRetry)
{
    BloquearCarpeta();
    pantalla.alPreguntar = [this] { QFile::remove(Bloqueo()); };
    pantalla.queueAnswer(ui::vbRetry);
    {
        const LoteAjustes lote;
        GuardarAnchos();
    }
    ASSERT_EQ(pantalla.messages().size(), 1);
    const testsupport::ScriptedUi::Record aviso = pantalla.messages().first();
    EXPECT_EQ(aviso.buttons, ui::vbRetryCancel);
    EXPECT_TRUE(aviso.text.contains(settings::FilePath(kAjustes.aplicacion))) << aviso.text.toStdString();
    EXPECT_TRUE(aviso.text.contains(QStringLiteral("\"Reintentar\""))) << aviso.text.toStdString();
    EXPECT_EQ(EnDisco(QStringLiteral("administrador/3082/grids/principal/50")), QStringLiteral("5000"));
    EXPECT_EQ(pantalla.pointerHistory().value(0), ui::vbDefault) << "the question shows the arrow";
}

TEST_F(LoteAjustesTest, CancelDropsTheChangesAfterSayingSo)
{
    BloquearCarpeta();
    pantalla.queueAnswer(ui::vbCancel);
    {
        const LoteAjustes lote;
        GuardarAnchos();
    }
    ASSERT_EQ(pantalla.messages().size(), 1);
    EXPECT_TRUE(pantalla.messages().first().text.contains(QStringLiteral("seguir sin guardar")));
    EXPECT_EQ(kAjustes.Leer(kAjustes.SeccionGrids(), QStringLiteral("7"), QStringLiteral("-")), QStringLiteral("-"))
        << "what was not saved is not shown as saved";
    QFile::remove(Bloqueo());
    kAjustes.Guardar(kAjustes.Seccion(QStringLiteral("Interface")), QStringLiteral("Left"), QStringLiteral("1000"));
    EXPECT_EQ(EnDisco(QStringLiteral("administrador/3082/grids/principal/7")), QStringLiteral("<ninguno>"))
        << "a later write does not bring dropped changes back";
}

} // namespace
