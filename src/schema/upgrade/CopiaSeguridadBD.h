#pragma once

#include <QString>
#include <functional>

namespace db {
class Connection;
}

// Backup copies taken before an upgrade step: one copy per tag in the folder
// "CopiasBD/<tag>/" of the program folder, under the file name of the
// database ("Duzediv.mdb", "Contabilidad.mdb"), with the same password.

// The tag with every "\" removed, then trimmed of blanks ("\V212 " -> "V212").
QString NormalizarEtiqueta(const QString& etiqueta);

// Where the copy of `fichero` under `etiqueta` goes.
QString RutaCopiaSeguridad(const QString& etiqueta, const QString& fichero);

// The database file an open connection uses; a data source without a folder
// is looked up in the program folder (the process's current directory is
// never consulted nor changed). File names match without regard to case.
QString FicheroDeConexion(const db::Connection& con);

// Copies the database of the open connection as it is (db::BackupDatabase:
// SQLite's online backup, checked with quick_check and a row count of every
// table against the source) to its backup place. The connection stays open
// and untouched. An earlier copy under the same tag is replaced only once the
// new one is complete and verified. Throws vb::VbError when no verified copy
// can be made (no such file, no folder, the copy failed its check): a step
// must never go on without its backup.
void CopiarBDAntesDeActualizar(db::Connection& con, const QString& etiqueta);

// Removes what interrupted copies and compactions of earlier runs left (see
// db::TemporaryFile::RemoveStale): beside the connection's database and in
// every backup folder. Run at each start.
void LimpiarTemporalesAbandonados(const db::Connection& con);

// A copy under `etiqueta` made from the copy under `etiquetaBase` (which must
// exist) after `preparar` has run on it: how the database will look after a
// change that the live database has not undergone yet. Throws like
// CopiarBDAntesDeActualizar.
void CopiarCopiaPreparada(db::Connection& con, const QString& etiquetaBase, const QString& etiqueta,
                          const std::function<void(db::Connection&)>& preparar);
