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

// The connection string of a database file by its absolute path, without the
// password, for tools and tests that open a file directly.
QString CadenaConexionVinculo(const QString& rutaBaseDatos);

// The connection string the data-link files of a program folder hold: the
// Jet provider and the database's file name alone, which the start-up takes
// in the program folder, so a copied or moved folder uses its own databases.
QString CadenaEnlaceDatos(const QString& archivo);

// The string that opens the database with its password, for tools and tests.
QString CadenaConexionConPassword(const QString& rutaBaseDatos, const QString& password);

// Path of `nombre` inside `carpeta`, matched without regard to letter case
// ("duzediv.mdb" finds "Duzediv.mdb"; an exact match wins); the plain joined
// path when no entry matches.
QString RutaEnCarpeta(const QString& carpeta, const QString& nombre);
