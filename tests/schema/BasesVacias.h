#pragma once

#include "BasesDatosPrograma.h"

#include "platform/db/Connection.h"
#include "schema/DefinicionEsquema.h"

#include <QTemporaryDir>

// The three databases made by the layout code alone (no seed rows), each in
// a file of its own under a temporary folder, opened for one test.
class BasesVacias {
public:
    BasesVacias();

    db::Connection& con(BaseDatosPrograma base);
    QString ruta(BaseDatosPrograma base) const;

    // An empty database with its password, for tests that build their own.
    db::Connection nueva(const QString& nombre);

private:
    QTemporaryDir m_dir;
    db::Connection m_duzediv;
    db::Connection m_informes;
    db::Connection m_contabilidad;
};

// The layout description of one of the three databases.
const EsquemaDef& Esquema(BaseDatosPrograma base);
