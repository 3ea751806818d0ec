#pragma once

#include "platform/addins/TiposComplemento.h"

#include <QList>

namespace addins {

// One add-in that the start-up looks for.
struct DefinicionComplemento {
    const char* biblioteca;   // "PVVodidazaz": the library (HostComplementos::ArchivoBiblioteca)
    const char* nombreClase;  // "PVVodidazaz.cVodidazaz": the object made when present
    bool PVAPI::cInfoConfiguracion::*presencia;  // its flag in the shared configuration

    // The five add-ins in the order they are looked for: donations, parish
    // management, messaging, accounting, banks. (The accounting reports are
    // made on demand and never looked for.)
    static const QList<DefinicionComplemento>& Buscados();
};

} // namespace addins
