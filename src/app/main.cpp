#include "VentanaPrincipalProvisional.h"

#include "startup/App.h"
#include "startup/ModMain.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvia Parvanta 2000"));
    QApplication::setApplicationVersion(QStringLiteral(DUZ_VERSION));

    App app;
    app.crearPrincipal = [](App&) -> std::unique_ptr<IVentanaPrincipal> {
        return std::make_unique<VentanaPrincipalProvisional>();
    };

    ModMain modMain(app, ServiciosArranque::Predeterminados());
    if (modMain.Main() != ModMain::Resultado::VentanaPrincipal)
        return 0;
    return QApplication::exec();
}
