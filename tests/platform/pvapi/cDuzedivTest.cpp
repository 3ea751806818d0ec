#include "platform/pvapi/cDuzediv.h"

#include "platform/db/DbErrors.h"
#include "platform/pvapi/VentanaProgreso.h"
#include "platform/report/ControlInformeBase.h"
#include "platform/ui/RunHandler.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/VbError.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using PVAPI::cDuzediv;

TEST(cDuzedivTest, VerErrorShowsTheCurrentErrorAndTheThreeTexts)
{
    vb::Err().Set(3021, QStringLiteral("No hay registro actual."));
    testsupport::scriptedUi().queueAnswer(ui::vbOK);

    cDuzediv(QStringLiteral("Norvia Parvanta 2000"))
        .VerError(QStringLiteral("Form_Load"), QStringLiteral("frmSplash"), QStringLiteral("NorviaParvanta2000"));

    const auto mensaje = testsupport::scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.caption, QStringLiteral("Norvia Parvanta 2000"));
    EXPECT_EQ(mensaje.icon, ui::vbCritical);
    EXPECT_EQ(mensaje.buttons, ui::vbOKOnly);
    EXPECT_EQ(mensaje.text, QStringLiteral("Se ha producido un error inesperado.\n\n"
                                           "Error: 3021\n"
                                           "Descripción: No hay registro actual.\n"
                                           "Procedimiento: Form_Load\n"
                                           "Módulo: frmSplash\n"
                                           "Proyecto: NorviaParvanta2000"));
}

// Another workstation using the data is no fault of the program.
TEST(cDuzedivTest, VerErrorShowsABusyFileAsAWarningWithoutCallingItUnexpected)
{
    const QString texto = QStringLiteral("No se han podido leer los datos de 'Duzediv.mdb' porque otro puesto de "
                                         "trabajo los está usando. Inténtelo de nuevo más tarde.");
    vb::Err().Set(db::err::Busy, texto);
    testsupport::scriptedUi().queueAnswer(ui::vbOK);

    cDuzediv(QStringLiteral("Norvia Parvanta 2000"))
        .VerError(QStringLiteral("cmdSiguiente_Click"), QStringLiteral("frmPrincipal"), QStringLiteral("NorviaParvanta2000"));

    const auto mensaje = testsupport::scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.text, texto);
    EXPECT_EQ(mensaje.icon, ui::vbExclamation);
    EXPECT_EQ(mensaje.caption, QStringLiteral("Norvia Parvanta 2000"));
}

// A full disk or a folder that may not be written is no fault of the
// program either: its text already names the file and the way out.
TEST(cDuzedivTest, VerErrorShowsAFullDiskOrAReadOnlyFolderAsAWarning)
{
    for (const long numero : {db::err::DiskFull, db::err::NoWriteAccess}) {
        const QString texto = db::Description(numero, QStringLiteral("Duzediv.mdb"), QStringLiteral("/srv/datos"));
        vb::Err().Set(numero, texto);
        testsupport::scriptedUi().queueAnswer(ui::vbOK);

        cDuzediv(QStringLiteral("Norvia Parvanta 2000"))
            .VerError(QStringLiteral("Sub Main()"), QStringLiteral("modMain"), QStringLiteral("NorviaParvanta2000.vbp"));

        const auto mensaje = testsupport::scriptedUi().lastMessage();
        EXPECT_EQ(mensaje.text, texto);
        EXPECT_EQ(mensaje.icon, ui::vbExclamation);
    }
}

class ControlFalso : public report::ControlInformeBase {
public:
    ControlFalso()
    {
        setLastErrorNumber(20515);
        setLastErrorString(QStringLiteral("Error en la fórmula."));
    }
    void PrintReport() override {}
};

TEST(cDuzedivTest, VerErrorCrystalShowsTheEngineError)
{
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    cDuzediv().VerErrorCrystal(ControlFalso());
    const auto mensaje = testsupport::scriptedUi().lastMessage();
    EXPECT_EQ(mensaje.icon, ui::vbCritical);
    EXPECT_TRUE(mensaje.text.contains(QStringLiteral("Error: 20515"))) << mensaje.text.toStdString();
    EXPECT_TRUE(mensaje.text.contains(QStringLiteral("Descripción: Error en la fórmula.")));
}

TEST(cDuzedivTest, RegisteredAsReporterWhileAlive)
{
    {
        cDuzediv duzediv(QStringLiteral("Título"));
        duzediv.RegistrarComoInformador();
        testsupport::scriptedUi().queueAnswer(ui::vbOK);
        ui::RunHandler("cmdAceptar_Click", "frmOpciones", "NorviaParvanta2000",
                       [] { throw vb::VbError(13, QStringLiteral("No coinciden los tipos")); });
        const auto mensaje = testsupport::scriptedUi().lastMessage();
        EXPECT_EQ(mensaje.caption, QStringLiteral("Título"));
        EXPECT_TRUE(mensaje.text.contains(QStringLiteral("Procedimiento: cmdAceptar_Click")));
        EXPECT_TRUE(mensaje.text.contains(QStringLiteral("Descripción: No coinciden los tipos")));
    }
    // Gone: the default reporter speaks again, without this object's texts.
    testsupport::scriptedUi().queueAnswer(ui::vbOK);
    ui::RunHandler("p", "m", "x", [] { throw vb::VbError(5, QStringLiteral("d")); });
    EXPECT_FALSE(testsupport::scriptedUi().lastMessage().text.startsWith(QStringLiteral("Se ha producido un error inesperado")));
}

TEST(cDuzedivTest, ProgressWindowOpensMovesAndCloses)
{
    cDuzediv duzediv;
    duzediv.ProgresoRefresh(5); // nothing open yet: ignored
    EXPECT_EQ(duzediv.Progreso(), nullptr);

    duzediv.ProgresoLoad(10, QStringLiteral("Actualizando la base de datos"), 1);
    ASSERT_NE(duzediv.Progreso(), nullptr);
    EXPECT_TRUE(duzediv.Progreso()->isVisible());
    EXPECT_FALSE(duzediv.Progreso()->isModal());
    EXPECT_EQ(duzediv.Progreso()->windowTitle(), QStringLiteral("Actualizando la base de datos"));
    EXPECT_EQ(duzediv.Progreso()->Maximo(), 10);

    duzediv.ProgresoRefresh(4);
    EXPECT_EQ(duzediv.Progreso()->Valor(), 4);
    duzediv.ProgresoRefresh(25);
    EXPECT_EQ(duzediv.Progreso()->Valor(), 10);

    duzediv.ProgresoLoad(3, QStringLiteral("Otra"), 0);
    EXPECT_EQ(duzediv.Progreso()->Valor(), 0);
    EXPECT_EQ(duzediv.Progreso()->Maximo(), 3);

    duzediv.ProgresoUnload();
    EXPECT_EQ(duzediv.Progreso(), nullptr);
    duzediv.ProgresoUnload();
}

} // namespace
