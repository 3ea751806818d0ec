#include "AccionesFixture.h"

#include "addin_doubles/RegistroMock.h"
#include "platform/vb/VbError.h"

// The set-up of a newly installed add-in at start-up: a new object of the
// add-in, made by class name (never the shared one), answers for its data.

namespace {

using ::testing::Ref;
using ::testing::Return;
using ::testing::StrictMock;

TEST_F(AccionesTest, SetupVodidazazPreguntaAUnObjetoNuevo)
{
    dobles::RegistroMock<StrictMock<dobles::MockVodidazaz>> registro([this](dobles::MockVodidazaz& nuevo) {
        EXPECT_CALL(nuevo, DatosSetup(Ref(app.den.conLocal), Ref(*app.gobjInfoConfig))).WillOnce(Return(false));
    });

    EXPECT_FALSE(acciones.SetupVodidazaz());
    EXPECT_EQ(registro.ObjetosCreados(), 1);
}

TEST_F(AccionesTest, SetupGestionParroquialPreguntaAUnObjetoNuevo)
{
    dobles::RegistroMock<StrictMock<dobles::MockGestPar>> registro([this](dobles::MockGestPar& nuevo) {
        EXPECT_CALL(nuevo, DatosSetup(Ref(app.den.conLocal))).WillOnce(Return(true));
    });

    EXPECT_TRUE(acciones.SetupGestionParroquial());
    EXPECT_TRUE(acciones.SetupGestionParroquial());
    EXPECT_EQ(registro.ObjetosCreados(), 2);
}

// The start-up's actions have no window; without the add-in's library the
// object cannot be made, and the error reaches the start-up.
TEST_F(AccionesTest, SinLaBibliotecaElSetupFallaHaciaElArranque)
{
    cIActionMenus arranque(app);
    try {
        arranque.SetupGestionParroquial();
        ADD_FAILURE() << "sin error";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.number(), 429);
    }
}

} // namespace
