#include "dialogs/frmAcerca.h"
#include "dialogs/frmInformacionSistema.h"

#include "core/cConstante.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/ui/UiConstants.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using testsupport::scriptedUi;

TEST(frmAcerca, VersionDelPrograma)
{
    EXPECT_EQ(frmAcerca::TextoVersion(QStringLiteral("2.2.0")), "Versión 2.2.0");
    EXPECT_EQ(frmAcerca::TextoVersion(QStringLiteral("02.010.3")), "Versión 2.10.3");
    EXPECT_EQ(frmAcerca::TextoVersion(QStringLiteral("3")), "Versión 3.0.0");

    frmAcerca acerca({}, QStringLiteral("2.2.0"));
    EXPECT_EQ(acerca.windowTitle(), "Acerca de ");
    EXPECT_EQ(acerca.lblVersion(3)->text(), QStringLiteral("Norvia Vodidazaz®"));
    EXPECT_EQ(acerca.lblVersion(4)->text(), "Versión 2.2.0");
    EXPECT_EQ(acerca.lblVersion(6)->text(), cConstante().ACERCA_CaptionLabelDesarrPor());
    EXPECT_FALSE(acerca.lblVersion(6)->text().isEmpty());
    EXPECT_TRUE(acerca.cmdOK()->isDefault());
}

TEST(frmAcerca, InformacionAbreLaVentanaDelSistema)
{
    int abiertas = 0;
    frmAcerca acerca([&](QDialog& dialogo) {
        abiertas += qobject_cast<frmInformacionSistema*>(&dialogo) != nullptr;
        return 0;
    });
    acerca.cmdSysInfo()->click();
    EXPECT_EQ(abiertas, 1);
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
}

TEST(frmAcerca, SinVentanaDelSistemaLoDice)
{
    frmAcerca acerca([](QDialog&) -> int { throw std::runtime_error("sin ventana"); });
    scriptedUi().queueAnswer(ui::vbOK);
    acerca.cmdSysInfo()->click();
    EXPECT_EQ(scriptedUi().lastMessage().text,
              QStringLiteral("¡La información del sistema no está disponible en este momento!"));
    EXPECT_EQ(scriptedUi().lastMessage().icon, ui::vbInformation);
    EXPECT_EQ(scriptedUi().beepCount(), 1);
}

TEST(frmInformacionSistema, NombraLasBasesConSuTamanoYVersion)
{
    TempProgramFolder carpeta;
    QFile::remove(carpeta.file(QStringLiteral("Contabilidad.mdb")));
    QHash<QString, QString> valores;
    for (const auto& linea : frmInformacionSistema::Lineas(carpeta.path()))
        valores.insert(linea.elemento, linea.valor);

    EXPECT_EQ(valores.value(QStringLiteral("Qt")), QString::fromLatin1(qVersion()));
    EXPECT_FALSE(valores.value(QStringLiteral("Sistema operativo")).isEmpty());
    EXPECT_TRUE(valores.value(QStringLiteral("Duzediv.mdb")).contains(QStringLiteral(", versión 2.")))
        << valores.value(QStringLiteral("Duzediv.mdb")).toStdString();
    EXPECT_TRUE(valores.value(QStringLiteral("Informes.mdb")).contains(QStringLiteral(", versión ")));
    EXPECT_EQ(valores.value(QStringLiteral("Contabilidad.mdb")), "no está en la carpeta del programa");
    EXPECT_FALSE(valores.value(QStringLiteral("Imagenes.img")).isEmpty());
}

} // namespace
