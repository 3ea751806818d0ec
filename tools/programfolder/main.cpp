// Lays out a program folder: `duz_carpeta_programa <carpeta>`. The build runs
// it on build/app; it makes only what is missing.

#include "CarpetaPrograma.h"

#include "platform/vb/VbError.h"

#include <QCoreApplication>
#include <QTextStream>

#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "Uso: duz_carpeta_programa <carpeta>\n";
        return 2;
    }
    try {
        const InformeCarpetaPrograma informe = CrearCarpetaPrograma(args[1]);
        QTextStream out(stdout);
        for (const QString& creado : informe.creados)
            out << "creado: " << creado << '\n';
        return 0;
    } catch (const vb::VbError& e) {
        err << "Error " << e.number() << ": " << e.description() << '\n';
    } catch (const std::exception& e) {
        err << e.what() << '\n';
    }
    return 1;
}
