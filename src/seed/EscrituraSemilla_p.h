#pragma once

#include <QString>
#include <span>

namespace db {
class Connection;
}

// Shared steps of the seed procedures.
class EscrituraSemilla {
public:
    // Error number of a seed whose table was not prepared for it (an
    // application-defined error in VB's vbObjectError range).
    static constexpr long ErrTablaNoPreparada = -2147221504 + 700;

    // Runs one seed statement; a failure propagates as vb::VbError.
    static void Ejecutar(db::Connection& con, const QString& sentencia);

    // A seed that leaves the key to the table's counter may only run on an
    // empty table whose counter starts again at 1: its rows, and other seeds,
    // refer to the ids the counter hands out. Throws otherwise. `clave` is
    // empty for a table without a counter key.
    static void ComprobarTablaPreparada(db::Connection& con, const QString& tabla, const QString& clave);

    // After a keyless seed of n rows: the table holds n rows and, when it has a
    // counter key, the largest id is n (so the ids are 1..n). Throws otherwise.
    static void ComprobarFilasEscritas(db::Connection& con, const QString& tabla, const QString& clave, long n);

    // Writes every row through `sentencia`, first row first.
    template <class Fila, class Sentencia>
    static void EscribirFilas(db::Connection& con, std::span<const Fila> filas, Sentencia sentencia)
    {
        for (const Fila& fila : filas)
            Ejecutar(con, sentencia(fila));
    }

    // A keyless seed: the checks before and after around EscribirFilas.
    template <class Fila, class Sentencia>
    static void EscribirSinClave(db::Connection& con, const QString& tabla, const QString& clave,
                                 std::span<const Fila> filas, Sentencia sentencia)
    {
        ComprobarTablaPreparada(con, tabla, clave);
        EscribirFilas(con, filas, sentencia);
        ComprobarFilasEscritas(con, tabla, clave, long(filas.size()));
    }
};
