#pragma once

#include <QString>
#include <QtGlobal>

namespace PVAPI {

// The run's shared configuration, handed by reference to the add-ins. A plain
// property bag: every member reads back what was last written.
struct cInfoConfiguracion {
    QString Usuario;
    QString Permiso;
    QString AppPath;
    QString AppTitle;
    QString HelpPath;
    QString Aplicacion;
    qint16 idioma = 0;

    // Add-in libraries found at start-up.
    bool VodidazazDLL = false;
    bool GestionParroquialDLL = false;
    bool MensajeriaDLL = false;
    bool ContabilidadDLL = false;
    bool BancosDLL = false;

    // Donation amounts shown in whole pesetas instead of euros.
    bool TrabajarConPesetas = false;
};

} // namespace PVAPI
