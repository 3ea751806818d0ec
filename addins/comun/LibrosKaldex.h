#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace db {
class Connection;
}

// The sacramental books of the older parish program ("Baut.dbf",
// "Conf.dbf", "Matr.dbf", "Defu.dbf") brought into the parish database
// through the field mapping of docs/ImportacionKaldex.md. Each sacrament is
// imported in its own transaction: a table that cannot be read, or a failure
// while writing, leaves nothing of that sacrament and is reported; the
// others go on. Fields the mapping does not name, and values that cannot be
// read, are incidences, never guesses.
struct OpcionesLibrosKaldex {
    // Folder of each sacrament's table, in the order baptism, confirmation,
    // marriage, death; empty for a sacrament not imported.
    std::array<QString, 4> carpetas;
    qint32 idInstitucion = 0;
    // Century of the two-digit year "00": "19" or "20".
    QString siglo = QStringLiteral("19");
    // 0: "Nombre Apellido1 Apellido2"; 1: "Apellido1 Apellido2, Nombre".
    quint8 ordenNombres = 0;
};

struct ResultadoLibrosKaldex {
    std::array<int, 4> partidas{};   // entries written per sacrament
    std::array<bool, 4> importado{}; // the sacrament's transaction committed
    QStringList incidencias;
};

// `progreso` (may be empty) hears the sacrament, the records read and the
// records of its table.
ResultadoLibrosKaldex ImportarLibrosKaldex(db::Connection& conLocal, const OpcionesLibrosKaldex& opciones,
                                           const std::function<void(int, qint64, qint64)>& progreso = {});

// A full name split by the order of names: first name, first and second
// surname. With the first order the last two words are the surnames; with
// the second the surnames stand before the comma, the first word being the
// first surname.
struct NombreKaldex {
    QString nombre;
    QString primerApellido;
    QString segundoApellido;
};
NombreKaldex DividirNombreKaldex(const QString& completo, quint8 ordenNombres);

// A date "dd/mm/yy" as "yyyymmdd": a year "00" takes `siglo`, any other the
// 1900s. Empty when it is no date.
QString FechaKaldex(const QString& texto, const QString& siglo);

// The dBase tables of a folder of the older program that no import of this
// program reads (neither the books' nor the donations'), one incidence
// each: "HIST.DBF: la tabla no se importa".
QStringList TablasKaldexSinImportar(const QString& carpeta);
