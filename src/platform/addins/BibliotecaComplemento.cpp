#include "platform/addins/BibliotecaComplemento.h"

#include "platform/addins/ModuloComplemento.h"

#include <QLibrary>

namespace addins {

std::unique_ptr<BibliotecaComplemento> BibliotecaComplemento::Cargar(const QString& ruta, QString* error)
{
    // Never unloaded (QLibrary's destructor leaves the library in memory).
    QLibrary libreria(ruta);
    // Unresolved symbols show at load, so a broken plugin counts as absent.
    libreria.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!libreria.load()) {
        *error = libreria.errorString();
        return nullptr;
    }
    const auto entrada = reinterpret_cast<EntradaComplemento>(libreria.resolve(NombreEntradaComplemento));
    if (!entrada) {
        *error = QStringLiteral("%1 no exporta %2").arg(ruta, QLatin1String(NombreEntradaComplemento));
        return nullptr;
    }
    const ServiciosHost servicios;
    ModuloComplemento* modulo = entrada(&servicios);
    if (!modulo) {
        *error = QStringLiteral("%1 rechazó los servicios del programa").arg(ruta);
        return nullptr;
    }
    if (modulo->Version() != VersionInterfazComplementos) {
        *error = QStringLiteral("%1 es de la versión %2 de la interfaz; el programa usa la %3")
                     .arg(ruta)
                     .arg(modulo->Version())
                     .arg(VersionInterfazComplementos);
        return nullptr;
    }
    return std::unique_ptr<BibliotecaComplemento>(new BibliotecaComplemento(modulo));
}

} // namespace addins
