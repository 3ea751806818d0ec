#include "startup/ServiciosArranque.h"

#include "startup/ActualizacionBDEsquema.h"

#include <QDialog>
#include <QDir>

#include <cstdio>
#include <cstdlib>

ServiciosArranque ServiciosArranque::Predeterminados()
{
    ServiciosArranque servicios;
    servicios.terminarPrograma = [](int codigo) {
        // No destructor, no unload handler: the databases are consistent
        // (every change runs in a transaction) and the locks are the kernel's.
        std::fflush(nullptr);
        std::_Exit(codigo);
    };
    servicios.ejecutarDialogo = [](QDialog& dialogo) { return dialogo.exec(); };
    servicios.establecerDirectorioActual = [](const QString& carpeta) { QDir::setCurrent(carpeta); };
    servicios.crearActualizacion = [](App& app) -> std::unique_ptr<IActualizacionBD> {
        return std::make_unique<ActualizacionBDEsquema>(app);
    };
    return servicios;
}
