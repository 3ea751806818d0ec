#include "actions/cIActionMenus.h"
#include "mainwindow/ContextoPrincipal.h"
#include "mainwindow/frmPrincipal.h"
#include "startup/App.h"
#include "startup/ModMain.h"

#include <QApplication>

#include <memory>

namespace {

// The main window, made by start-up when it first needs it (possibly before
// it is shown, to relabel the selected company).
std::unique_ptr<IVentanaPrincipal> crearVentanaPrincipal(App& app)
{
    ContextoPrincipal contexto;
    contexto.gobjInfoConfig = app.gobjInfoConfig.get();
    contexto.den = &app.den;
    contexto.appPath = App::Path();
    contexto.appTitle = App::Title();
    contexto.helpPath = app.HelpFile;
    contexto.gobjContabilidad = app.gobjContabilidad.get();
    contexto.gobjVodidazaz = app.gobjVodidazaz.get();
    contexto.gobjDuzediv = app.gobjDuzediv.get();
    // At unload the window lets the shared service and add-in objects go,
    // as the old main window did before the program ended.
    contexto.liberarObjetos = [&app] {
        app.gobjBancos.reset();
        app.gobjVodidazaz.reset();
        app.gobjGestPar.reset();
        app.gobjRegistro.reset();
        app.gobjDuzediv.reset();
    };
    contexto.crearAcciones = [&app](IVentanaAcciones& ventana) {
        return std::make_shared<cIActionMenus>(app, &ventana);
    };
    return std::make_unique<frmPrincipal>(std::move(contexto));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvia Parvanta 2000"));
    QApplication::setApplicationVersion(QStringLiteral(DUZ_VERSION));

    App app;
    app.crearPrincipal = crearVentanaPrincipal;

    ServiciosArranque servicios = ServiciosArranque::Predeterminados();
    // The set-ups of newly installed add-ins are record actions; the start-up,
    // below them, gets them from here.
    servicios.crearAccionesSetup = [](App& contexto) -> std::unique_ptr<IAccionesSetup> {
        return std::make_unique<cIActionMenus>(contexto);
    };
    ModMain modMain(app, std::move(servicios));
    if (modMain.Main() != ModMain::Resultado::VentanaPrincipal)
        return 0;
    return QApplication::exec();
}
