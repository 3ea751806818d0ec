#pragma once

#include "DatosEjemplo.h"

#include "platform/db/Connection.h"
#include "support/ScopedEnv.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder (DUZEDIV_APP_PATH names it while the object
// lives) holding a parish and an accounting database of an older version,
// both with their passwords, as the installation of an older program left
// them.
class CarpetaPrueba {
public:
    static inline const QString kClaveParroquia = QStringLiteral("Np2000 Clave");
    static inline const QString kClaveContabilidad = QStringLiteral("Contab");

    CarpetaPrueba();

    QString Ruta(const QString& nombre) const;
    QString CadenaParroquia() const;
    QString CadenaContabilidad() const;

    // "Duzediv.mdb" at `version` with the example rows.
    void CrearParroquia(const QString& version, const OpcionesDatos& opciones = {});
    // "Contabilidad.mdb": "1.0.1", "1.0.2", or "" for a database without
    // `Informacion`.
    void CrearContabilidad(const QString& version);
    // The same from a layout the test changed.
    void CrearParroquia(const EsquemaDef& esquema, const OpcionesDatos& opciones = {});
    void CrearContabilidad(const EsquemaDef& esquema);

    db::Connection AbrirParroquia() const;
    db::Connection AbrirContabilidad() const;

    QByteArray Bytes(const QString& nombre) const;
    // Runs SQLite text on a closed database file of the folder, around the
    // database layer: for the triggers with which tests make a statement fail.
    void EjecutarSqlite(const QString& nombre, const QString& sql) const;

private:
    QTemporaryDir m_dir;
    testsupport::ScopedEnv m_appPath;
};

// A trigger that makes writing `version` into Informacion fail.
QString DisparadorFalloVersion(const QString& version);
