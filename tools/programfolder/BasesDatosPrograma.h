#pragma once

#include <QList>
#include <QString>

// The three databases of the program folder, as the start-up finds them:
// file name, data-link file and the password that protects it.
enum class BaseDatosPrograma { Duzediv, Informes, Contabilidad };

struct DescripcionBaseDatos {
    BaseDatosPrograma base;
    QString archivo;     // "Duzediv.mdb"
    QString vinculo;     // "duzediv.udl"
    QString password;
};

const QList<DescripcionBaseDatos>& BasesDatosPrograma();
const DescripcionBaseDatos& Descripcion(BaseDatosPrograma base);

// The connection string a data-link file holds for a database file: the Jet
// provider and the absolute path, without the password (the start-up appends
// it).
QString CadenaConexionVinculo(const QString& rutaBaseDatos);

// The string that opens the database with its password, for tools and tests.
QString CadenaConexionConPassword(const QString& rutaBaseDatos, const QString& password);

// Path of `nombre` inside `carpeta`, matched without regard to letter case
// ("duzediv.mdb" finds "Duzediv.mdb"; an exact match wins); the plain joined
// path when no entry matches.
QString RutaEnCarpeta(const QString& carpeta, const QString& nombre);
