#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
}

namespace PVAPI {

class ListaControl;

// The component library's list fillers that the import wizard uses: the
// provinces, and the towns of one province, of the parish database, by
// name, each line with its id as item data.
class cIListas {
public:
    // Fills `lista` with every province and makes `lngIDProvincia` the
    // current line (none when no province has that id). `blnTodos` is kept
    // for the callers' argument lists; the program always passes False and
    // it changes nothing.
    void fillProvincias(db::Connection& conLocal, ListaControl& lista, qint32 lngIDProvincia, bool blnTodos);
    // Fills `lista` with the towns of `lngIDProvincia` and makes
    // `lngIDMunicipio` the current line (none for 0 or an id not listed).
    void fillMunicipios(db::Connection& conLocal, ListaControl& lista, qint32 lngIDProvincia,
                        qint32 lngIDMunicipio, bool blnTodos);
    static QString SQLArray(const QList<qint32>& ids, const QString& strCampo);
};

} // namespace PVAPI
