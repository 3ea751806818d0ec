#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace db {
class Connection;
}

// The choices the maintenance services ask of the user beyond message boxes.
// DialogosMantenimiento shows real dialogs; tests answer them.
class IDialogosMantenimiento {
public:
    virtual ~IDialogosMantenimiento() = default;

    // Where to write a new backup archive ("" when the user cancels).
    virtual QString ArchivoCopiaNuevo(const QString& sugerido) = 0;
    // Which archive to restore ("" when the user cancels).
    virtual QString ArchivoCopiaExistente(const QString& carpeta) = 0;

    struct EleccionMunicipios {
        qint32 origen = 0;  // the town that goes
        qint32 destino = 0; // the town that takes its place
    };
    // The two towns of a merge, from the towns of `conLocal`; nothing when
    // the user cancels.
    virtual std::optional<EleccionMunicipios> ElegirMunicipios(db::Connection& conLocal) = 0;
};
