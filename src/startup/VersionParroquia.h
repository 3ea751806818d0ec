#pragma once

#include <QString>

namespace db {
class Connection;
}

// The version of the parish database, read before the start reads anything
// else of it: an older layout lacks columns the start reads, and an edition
// without an upgrade path for that version must not run on it at all.

// The version the edition's upgrade steps (`aplicacion`, as
// cConstante::Aplicacion gives it) bring `version` to: `version` itself when
// no step starts there.
QString VersionTrasActualizar(const QString& version, const QString& aplicacion);

// "" when the parish database on `conLocal` is at the current version, or
// the edition's upgrade brings it there, or it stores no version (the upgrade
// leaves such a file alone). Otherwise the one message for the user: which
// version the file has, that this edition cannot upgrade it, that nothing was
// changed, and what to do. Reads one row and writes nothing.
QString AvisoVersionParroquia(db::Connection& conLocal, const QString& aplicacion);
