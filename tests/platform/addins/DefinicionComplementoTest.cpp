#include "platform/addins/DefinicionComplemento.h"

#include "platform/pvapi/cInfoConfiguracion.h"

#include <QString>
#include <gtest/gtest.h>

namespace addinstest {
namespace {

TEST(DefinicionComplementoTest, FiveAddinsInSearchOrderWithClassAndFlag)
{
    const struct {
        const char* biblioteca;
        const char* nombreClase;
        bool PVAPI::cInfoConfiguracion::*presencia;
    } esperados[] = {
        {"PVVodidazaz", "PVVodidazaz.cVodidazaz", &PVAPI::cInfoConfiguracion::VodidazazDLL},
        {"PVGestionParroquial", "PVGestionParroquial.cGestPar", &PVAPI::cInfoConfiguracion::GestionParroquialDLL},
        {"PVMensajeria", "PVMensajeria.cMensajeria", &PVAPI::cInfoConfiguracion::MensajeriaDLL},
        {"NvContabilidad", "NvContabilidad.cContabilidad", &PVAPI::cInfoConfiguracion::ContabilidadDLL},
        {"NvBancos", "NvBancos.cBancos", &PVAPI::cInfoConfiguracion::BancosDLL},
    };
    const auto& buscados = addins::DefinicionComplemento::Buscados();

    ASSERT_EQ(buscados.size(), std::size(esperados));
    for (size_t i = 0; i < std::size(esperados); ++i) {
        SCOPED_TRACE(esperados[i].biblioteca);
        EXPECT_STREQ(buscados[i].biblioteca, esperados[i].biblioteca);
        EXPECT_STREQ(buscados[i].nombreClase, esperados[i].nombreClase);
        EXPECT_EQ(buscados[i].presencia, esperados[i].presencia);
    }
}

} // namespace
} // namespace addinstest
