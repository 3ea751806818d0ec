#pragma once

#include "core/Coleccion.h"

#include <QString>
#include <QtGlobal>

namespace db {
class Connection;
}

// One database handed to the maintenance services: which one (1 parish,
// 2 reports, 3 accounting), the window's open connection to it (not owned),
// its caption, and whether a restore replaced it.
struct cConexion {
    qint16 IDConexion = 0;
    db::Connection* ConexionBD = nullptr;
    QString Descripcion;
    bool RecuperadaCopiaSeg = false;
};

// The connection list, keyed by IDConexion as text.
using ColeccionConexiones = Coleccion<cConexion>;

namespace conexion {
inline constexpr qint16 Parroquia = 1;
inline constexpr qint16 Informes = 2;
inline constexpr qint16 Contabilidad = 3;
} // namespace conexion
