#pragma once

#include "platform/addins/Complemento.h"

#include <QString>
#include <QStringList>
#include <memory>

// The contract between the program and an add-in library (a plugin in
// "addins" of the program folder). A plugin exports one C function,
// `DuzComplemento`, that receives the program's contract version and returns
// the plugin's module: the list of classes it makes and their factory. Each
// side refuses the other when the versions differ.
namespace addins {

// Raised whenever an interface or this contract changes; the program refuses
// a plugin built against another version, and the plugin a program of
// another version. 2: plugins link the program's shared platform and core
// libraries instead of a copy of their own (the Ui bridge went away).
inline constexpr int VersionInterfazComplementos = 2;

// What the program tells a plugin when it loads it. The plugin links the
// program's own shared platform and core libraries, so it reaches the
// program's state (the Ui, the current error, the host) directly; only the
// version is handed over, for the plugin to check.
struct ServiciosHost {
    int version = VersionInterfazComplementos;
};

class ModuloComplemento {
public:
    virtual ~ModuloComplemento();
    // The contract version the plugin was built with.
    virtual int Version() const = 0;
    // Full class names, "PVVodidazaz.cVodidazaz".
    virtual QStringList Clases() const = 0;
    // A new object, or null when the module does not make that class (names
    // compare without regard to letter case).
    virtual std::unique_ptr<Complemento> Crear(const QString& nombreClase) = 0;
};

inline constexpr const char* NombreEntradaComplemento = "DuzComplemento";
// `servicios` is valid only during the call (copy what is kept). The module
// lives as long as the process: libraries are never unloaded.
using EntradaComplemento = ModuloComplemento* (*)(const ServiciosHost* servicios);

} // namespace addins
