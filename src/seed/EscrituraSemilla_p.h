#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <span>

// Shared steps of the seed procedures.
class EscrituraSemilla {
public:
    // Error number of a seed whose table was not prepared for it (an
    // application-defined error in VB's vbObjectError range).
    static constexpr long ErrTablaNoPreparada = -2147221504 + 700;

    // A seed that leaves the key to the table's counter may only run on an
    // empty table whose counter starts again at 1: its rows, and other seeds,
    // refer to the ids the counter hands out. Throws otherwise. `clave` is
    // empty for a table whose ids nothing refers to: only its emptiness is
    // checked.
    static void ComprobarTablaPreparada(db::Connection& con, const QString& tabla, const QString& clave);

    // After a keyless seed of n rows: the table holds n rows and, when `clave`
    // is given, the largest id is n (so the ids are 1..n). Throws otherwise.
    static void ComprobarFilasEscritas(db::Connection& con, const QString& tabla, const QString& clave, long n);

    // Writes every row through `sentencia`, first row first; a failure
    // propagates as vb::VbError.
    template <class Fila, class Sentencia>
    static void EscribirFilas(db::Connection& con, std::span<const Fila> filas, Sentencia sentencia)
    {
        for (const Fila& fila : filas)
            con.Execute(sentencia(fila));
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
