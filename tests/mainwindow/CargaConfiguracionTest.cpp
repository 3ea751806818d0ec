#include "mainwindow/CargaConfiguracion.h"
#include "mainwindow/ContextoPrincipal.h"

#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/settings/Settings.h"
#include "platform/vb/VbError.h"
#include "core/cConfigContabilidad.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace {

using PVAPI::cCRegistry;

class CargaConfiguracion : public ::testing::Test {
protected:
    void SetUp() override
    {
        info.Usuario = QStringLiteral("Administrador");
        info.idioma = 3082;
        ctx.gobjInfoConfig = &info;
        ctx.appPath = QStringLiteral("/programa");
        ctx.appTitle = QStringLiteral("Norvia Parvanta 2000");
        ctx.helpPath = QStringLiteral("/programa/Duzediv.chm");
        QPixmap imagen(16, 16);
        imagen.fill(Qt::red);
        icono = QIcon(imagen);
    }

    void Guardar(const QString& seccion, const QString& clave, const QString& valor)
    {
        settings::SaveSetting(ctx.appTitle, QStringLiteral("Administrador\\3082\\") + seccion, clave, valor);
    }

    PVAPI::cInfoConfiguracion info;
    ContextoPrincipal ctx;
    QIcon icono;
};

TEST_F(CargaConfiguracion, FillsTheAccountingRecord)
{
    cConfigContabilidad config;
    CargarConfigContabilidad(config, ctx, icono);
    EXPECT_EQ(config.AppPath(), "/programa");
    EXPECT_EQ(config.AppTitle(), "Norvia Parvanta 2000");
    EXPECT_EQ(config.HelpPath(), "/programa/Duzediv.chm");
    EXPECT_EQ(config.Usuario(), "Administrador\\3082");
    EXPECT_FALSE(config.TrabajarConPesetas()) << "no setting stored: euros";
    EXPECT_FALSE(config.Icono().isNull());
    EXPECT_EQ(config.Aplicacion(), PVAPI::cCAplicacion::Texto(PVAPI::cCAplicacion::APP_PARVANTA_TUREL));
    EXPECT_FALSE(config.ConsolidacionVisible());
}

TEST_F(CargaConfiguracion, EachSideReadsItsOwnCurrencyKey)
{
    Guardar(cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_TRABAJARENPESETAS(), QStringLiteral("1"));
    cConfigContabilidad config;
    CargarConfigContabilidad(config, ctx, icono);
    CargarConfigVodidazaz(info, ctx);
    EXPECT_TRUE(config.TrabajarConPesetas());
    EXPECT_FALSE(info.TrabajarConPesetas);

    Guardar(cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS(), QStringLiteral("1"));
    CargarConfigVodidazaz(info, ctx);
    EXPECT_TRUE(info.TrabajarConPesetas);
    EXPECT_EQ(info.AppPath, "/programa");
    EXPECT_EQ(info.HelpPath, "/programa/Duzediv.chm");
    EXPECT_EQ(info.AppTitle, "Norvia Parvanta 2000");
    EXPECT_EQ(info.Aplicacion, PVAPI::cCAplicacion::Texto(PVAPI::cCAplicacion::EdicionDeLaCompilacion));
}

TEST_F(CargaConfiguracion, ACurrencyTextThatIsNoNumberStopsTheFilling)
{
    Guardar(cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_TRABAJARENPESETAS(), QStringLiteral("sí"));
    cConfigContabilidad config;
    EXPECT_THROW(CargarConfigContabilidad(config, ctx, icono), vb::VbError);
    EXPECT_EQ(config.Usuario(), "Administrador\\3082");
    EXPECT_TRUE(config.Icono().isNull());
    EXPECT_EQ(config.Aplicacion(), "");
}

} // namespace
