#pragma once

#include <QString>

#include <functional>

namespace PVAPI {
class IControlInforme;
class cDuzediv;
struct cInfoConfiguracion;
} // namespace PVAPI
namespace db {
class Connection;
}
namespace addins {
class cGestPar;
}

// What a document print is lent by its caller: the main window's report
// control and enabled state, the connections, the shared configuration,
// the shared service object (for VerError), the parish add-in object and
// the program folder and title. The action class fills it from the
// program's context; tests fill it with doubles.
struct ContextoImpresion {
    PVAPI::IControlInforme* control = nullptr;       // crptInformes
    db::Connection* conLocal = nullptr;
    db::Connection* conInformes = nullptr;
    PVAPI::cInfoConfiguracion* config = nullptr;     // gobjInfoConfig
    const PVAPI::cDuzediv* duzediv = nullptr;        // gobjDuzediv
    addins::cGestPar* gestPar = nullptr;             // gobjGestPar; may be null
    QString appPath;
    QString appTitle;
    // The main window's `Enabled`; none in a print without a window.
    std::function<void(bool)> habilitar;

    // A file of the program folder: "\infGP_x.rpt" or "Informes.mdb".
    QString Archivo(const QString& nombre) const;
};
