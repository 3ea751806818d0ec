#pragma once

#include <QString>

namespace db {
class Connection;
}

// File-level work on the databases for backup, restore and repair, through
// SQLite itself (the password is the database layer's access check and is
// not needed to read pages).

// A consistent copy of the database file `origen` into `destino` (which must
// not exist), taken while other connections keep it open: SQLite's online
// backup in one read transaction, then PRAGMA quick_check on the copy.
// Throws vb::VbError (db numbers: 3026 full disk, 3045 busy, 3343 damaged).
void InstantaneaBD(const QString& origen, const QString& destino);

// PRAGMA integrity_check of a closed file, opened read-only: "" when sound,
// else SQLite's first complaint. A file that is no database is not sound.
QString ProblemaIntegridad(const QString& ruta);
// The same on an open connection.
QString ProblemaIntegridad(db::Connection& con);

// `Informacion.Version` of a database file, trimmed; "" when it keeps none.
QString VersionAlmacenada(const QString& ruta);

// Compares dotted versions number by number ("2.10.0" > "2.9.1"); <0, 0, >0.
int CompararVersiones(const QString& a, const QString& b);

// Swaps the two files' names in one step (both must exist, in one file
// system): afterwards `a` holds what `b` held and the other way round.
// Throws vb::VbError.
void IntercambiarFicheros(const QString& a, const QString& b);
