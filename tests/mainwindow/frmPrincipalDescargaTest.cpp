#include "mainwindow/Controles.h"
#include "mainwindow/VentanaPrueba.h"

#include "navigation/ArbolNodos.h"
#include "navigation/ClavesNodo.h"

#include "platform/db/Recordset.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

using PVAPI::cCRegistry;

const QString kVodidazaz = QStringLiteral("Nodos\\Norvia Parvanta 2000\\Vodidazaz");

class DescargaPrincipal : public VentanaPrueba {
protected:
    // A placement key, "<ninguno>" when it was never written.
    QString Interfaz(const QString& clave) const
    {
        return Leer(cCRegistry::INTERFACE(), clave, QStringLiteral("<ninguno>"));
    }
};

TEST_F(DescargaPrincipal, WritesEverySavedStateRow)
{
    frmPrincipal& v = Cargada();
    v.Estado().gintNRegMax = 30;
    v.Estado().mobjConfigContab.SetTrabajarConPesetas(true);
    info.TrabajarConPesetas = false;
    v.Estado().gcolNodo.Item(ClaveColeccion(43))->colCampo().Item(ClaveColeccion(143))->SetAncho(1234);
    Arbol().SetExpandido(Arbol().PorClave(QStringLiteral("c6")), true);
    v.Form_Unload();

    EXPECT_TRUE(informes.isEmpty()) << informes.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Ajustes().Leer(Ajustes().SeccionGrids(), QStringLiteral("143")), "1234");
    EXPECT_EQ(Interfaz(cCRegistry::INTERFACE_NREGMAX()), "30");
    EXPECT_EQ(Interfaz(cCRegistry::INTERFACE_SPLITTER_LEFT()), "1965");
    EXPECT_NEAR(Interfaz(cCRegistry::INTERFACE_WIDTH()).toInt(), 12120, 15);
    EXPECT_NEAR(Interfaz(cCRegistry::INTERFACE_HEIGHT()).toInt(), 8700, 15);
    EXPECT_NE(Interfaz(cCRegistry::INTERFACE_LEFT()), "<ninguno>");
    EXPECT_NE(Interfaz(cCRegistry::INTERFACE_TOP()), "<ninguno>");
    EXPECT_EQ(Leer(cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA()), "0")
        << "the tree holds the company node \"<>\"";
    EXPECT_EQ(Leer(cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_TRABAJARENPESETAS()), "1");
    EXPECT_EQ(Leer(cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS()), "0");
    EXPECT_EQ(Leer(kVodidazaz, QStringLiteral("Expandido")), "1");

    EXPECT_FALSE(den.conLocal.isOpen());
    EXPECT_FALSE(den.conInformes.isOpen());
    EXPECT_FALSE(den.conContabilidad.isOpen());
    EXPECT_EQ(liberaciones, 1);
    EXPECT_FALSE(v.mobjBloqueos());
}

TEST_F(DescargaPrincipal, AMinimisedWindowKeepsItsPlacementButSavesWidthsAndTree)
{
    frmPrincipal& v = Cargada();
    Arbol().SetExpandido(Arbol().PorClave(QStringLiteral("c6")), true);
    v.setWindowState(Qt::WindowMinimized);
    v.Form_Unload();
    for (const QString& clave : {cCRegistry::INTERFACE_LEFT(), cCRegistry::INTERFACE_WIDTH(),
                                 cCRegistry::INTERFACE_SPLITTER_LEFT(), cCRegistry::INTERFACE_NREGMAX()})
        EXPECT_EQ(Interfaz(clave), "<ninguno>") << clave.toStdString();
    EXPECT_EQ(Leer(cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS()), "");
    EXPECT_EQ(Ajustes().Leer(Ajustes().SeccionGrids(), QStringLiteral("143")), "990");
    EXPECT_EQ(Leer(kVodidazaz, QStringLiteral("Expandido")), "1");
}

TEST_F(DescargaPrincipal, WithoutACompanyNodeTheSelectedCompanyIsLeftAlone)
{
    info.ContabilidadDLL = false;
    Ajustes().Guardar(Ajustes().Seccion(cCRegistry::CONTABILIDAD()), cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA(),
                      QStringLiteral("7"));
    Cargada().Form_Unload();
    EXPECT_EQ(Leer(cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA()), "7");
}

TEST_F(DescargaPrincipal, AClosedParishConnectionSkipsOnlyTheTreeState)
{
    frmPrincipal& v = Cargada();
    Arbol().SetExpandido(Arbol().PorClave(QStringLiteral("c6")), true);
    den.conLocal.Close();
    v.Form_Unload();
    EXPECT_EQ(Leer(kVodidazaz, QStringLiteral("Expandido")), "0");
    EXPECT_EQ(Interfaz(cCRegistry::INTERFACE_NREGMAX()), "24");
    EXPECT_TRUE(informes.isEmpty());
}

// A settings file that cannot be written at close (a full disk, a folder
// gone) is told, and "Reintentar" saves everything once it can be written.
TEST_F(DescargaPrincipal, ASettingsSaveThatFailsAtCloseIsToldAndRetried)
{
    // The user frees the folder while the question is shown.
    class Usuario : public testsupport::ScriptedUi {
    public:
        std::function<void()> alPreguntar;

    protected:
        int showMessage(const ui::Message& message) override
        {
            if (alPreguntar)
                std::exchange(alPreguntar, {})();
            return ScriptedUi::showMessage(message);
        }
    };
    frmPrincipal& v = Cargada();
    const QString carpeta = settings::Folder();
    // The settings folder lies below a file until the user retries.
    const QString bloqueo = QDir(carpeta).filePath(QStringLiteral("bloqueo"));
    QFile archivo(bloqueo);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.close();
    settings::SetFolder(QDir(bloqueo).filePath(QStringLiteral("ajustes")));
    Usuario usuario;
    usuario.alPreguntar = [&] { QFile::remove(bloqueo); };
    usuario.queueAnswer(ui::vbRetry);
    ui::SetCurrent(&usuario);

    v.Form_Unload();

    ui::SetCurrent(&testsupport::scriptedUi());
    ASSERT_EQ(usuario.messages().size(), 1) << usuario.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(usuario.messages().at(0).buttons, ui::vbRetryCancel);
    EXPECT_TRUE(usuario.messages().at(0).text.contains(QStringLiteral("Norvia Parvanta 2000.ini")))
        << usuario.messages().at(0).text.toStdString();
    EXPECT_NE(Interfaz(cCRegistry::INTERFACE_SPLITTER_LEFT()), QStringLiteral("<ninguno>"));
    settings::SetFolder(carpeta);
}

TEST_F(DescargaPrincipal, ClosingTheWindowUnloadsItOnce)
{
    frmPrincipal& v = Cargada();
    v.close();
    v.close();
    EXPECT_EQ(liberaciones, 1);
    EXPECT_TRUE(v.windowState() & Qt::WindowMaximized) << "the close request maximises first";
    EXPECT_NE(Interfaz(cCRegistry::INTERFACE_WIDTH()), "<ninguno>");
}

TEST_F(DescargaPrincipal, OtherWindowsCloseBeforeTheConnections)
{
    frmPrincipal& v = Cargada();
    QWidget otra;
    bool conexionAbierta = false;
    struct Vigia : QObject {
        std::function<void()> alCerrar;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Close)
                alCerrar();
            return false;
        }
    } vigia;
    vigia.alCerrar = [&] { conexionAbierta = den.conLocal.isOpen(); };
    otra.installEventFilter(&vigia);
    otra.show();
    v.Form_Unload();
    EXPECT_FALSE(otra.isVisible());
    EXPECT_TRUE(conexionAbierta);
}

} // namespace
