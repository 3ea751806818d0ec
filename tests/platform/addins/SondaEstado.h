#pragma once

#include "platform/addins/Complemento.h"

#include <QString>
#include <memory>

namespace addins {
class HostComplementos;
}
namespace ui {
class Ui;
}

namespace addinstest {

// What the probe add-in (ModuloSonda.cpp, "libPruebaSonda.so") does inside
// the plugin, so a test can see whether the plugin and the program share
// their process-wide state.
class cSonda : public addins::Complemento {
public:
    static constexpr const char* NombreClase = "PruebaSonda.cSonda";

    // Sets the current error (vb::Err()) as the plugin sees it.
    virtual void FijarError(long numero, const QString& descripcion) = 0;
    // The Ui and the add-in host as the plugin sees them.
    virtual ui::Ui* UiActual() = 0;
    virtual addins::HostComplementos* Host() = 0;
    // Creates an object by class name from inside the plugin.
    virtual std::unique_ptr<addins::Complemento> CrearObjeto(const QString& nombreClase) = 0;
};

} // namespace addinstest
