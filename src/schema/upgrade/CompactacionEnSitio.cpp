#include "schema/upgrade/CompactacionEnSitio.h"

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/vb/VbError.h"

#include <QtDebug>

bool CompactarEnSitio(db::Connection& con)
{
    const QString cadena = con.ConnectionString();
    con.Close();
    bool compactada = true;
    try {
        db::CompactInPlace(cadena);
    } catch (const vb::VbError& error) {
        qWarning().noquote() << "No se ha podido compactar la base de datos:" << error.description();
        compactada = false;
    }
    con.Open(cadena);
    return compactada;
}
