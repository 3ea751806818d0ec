#pragma once

#include "platform/addins/Complemento.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace ui {
class Ui;
}

// The contract between the program and an add-in library (a plugin in
// "addins" of the program folder). A plugin exports one C function,
// `DuzComplemento`, that receives the program's services and returns the
// plugin's module: the list of classes it makes and their factory.
namespace addins {

// Raised whenever an interface or this contract changes; the program refuses
// a plugin built against another version.
inline constexpr int VersionInterfazComplementos = 1;

// What the program lends a plugin. A plugin carries its own copy of the
// platform code, with its own process-wide state; what both must share is
// reached through here.
struct ServiciosHost {
    int version = VersionInterfazComplementos;
    // The program's ui::Current(): message boxes, pointer, help, desktop.
    ui::Ui& (*ui)() = nullptr;
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
