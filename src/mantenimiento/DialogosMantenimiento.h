#pragma once

#include "mantenimiento/IDialogosMantenimiento.h"

// The maintenance choices as real dialogs, parented to the active window:
// the file dialogs of the backup archives and a small dialog with two lists
// of towns.
class DialogosMantenimiento : public IDialogosMantenimiento {
public:
    QString ArchivoCopiaNuevo(const QString& sugerido) override;
    QString ArchivoCopiaExistente(const QString& carpeta) override;
    std::optional<EleccionMunicipios> ElegirMunicipios(db::Connection& conLocal) override;
};
