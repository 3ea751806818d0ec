// The program and its add-ins link one copy of the platform libraries, so
// the process-wide state that crosses the plugin boundary is one: what the
// plugin sets the program sees, and what the program installs (its Ui, the
// doubles registered in the add-in host) the plugin uses.
#include "CarpetaProgramaPrueba.h"
#include "SondaEstado.h"

#include "platform/addins/HostComplementos.h"
#include "platform/addins/RegistroClase.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "support/TestEnvironment.h"

#include "addin_doubles/MockVodidazaz.h"

namespace addinstest {
namespace {

class EstadoCompartidoTest : public CarpetaProgramaPrueba {
protected:
    void SetUp() override
    {
        CarpetaProgramaPrueba::SetUp();
        Copiar(QStringLiteral(DUZ_MODULO_SONDA), QStringLiteral("libPruebaSonda.so"));
        sonda = addins::CrearObjeto<cSonda>(cSonda::NombreClase);
        vb::Err().Clear();
    }
    void TearDown() override
    {
        vb::Err().Clear();
        CarpetaProgramaPrueba::TearDown();
    }

    std::unique_ptr<cSonda> sonda;
};

TEST_F(EstadoCompartidoTest, ErrorSetInsideThePluginIsTheProgramsCurrentError)
{
    sonda->FijarError(3021, QStringLiteral("No hay ningún registro actual"));

    EXPECT_EQ(vb::Err().Number, 3021);
    EXPECT_EQ(vb::Err().Description, QStringLiteral("No hay ningún registro actual"));
    EXPECT_EQ(vb::Err().Source, QStringLiteral("PruebaSonda"));
}

TEST_F(EstadoCompartidoTest, PluginUsesTheUiTheProgramInstalled)
{
    EXPECT_EQ(sonda->UiActual(), &testsupport::scriptedUi());
    EXPECT_EQ(sonda->UiActual(), &ui::Current());
}

TEST_F(EstadoCompartidoTest, PluginReachesTheProgramsAddinHostAndItsRegisteredDoubles)
{
    EXPECT_EQ(sonda->Host(), &addins::HostComplementos::Instancia());

    addins::RegistroClase registro(addins::cVodidazaz::NombreClase,
                                   [] { return std::make_unique<::testing::NiceMock<dobles::MockVodidazaz>>(); });
    const std::unique_ptr<addins::Complemento> objeto = sonda->CrearObjeto(addins::cVodidazaz::NombreClase);
    EXPECT_NE(dynamic_cast<dobles::MockVodidazaz*>(objeto.get()), nullptr);
}

} // namespace
} // namespace addinstest
