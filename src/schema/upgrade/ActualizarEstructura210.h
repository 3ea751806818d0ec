#pragma once

#include <span>

namespace db {
class Connection;
}
class EjecucionTolerante;

// One row of the table of operations of step 2.1.0.
struct OperacionEsquema {
    enum Tipo { AnadirOCambiar, CrearTabla, BorrarColumna, CambiarSinSondeo, DividirNombres };
    // Rewrite of a stored receipt number after its column changed.
    enum Reescritura { Ninguna, NumeroCertificado, NumeroRecibo };

    int fila;
    Tipo tipo;
    const char* tabla;
    const char* columna;
    const char* clausula;   // type clause
    const char* relleno;    // fill of the existing rows; "" for none
    Reescritura reescritura = Ninguna;
    bool nombreSinCorchetes = false;
};

// The 46 operations of step 2.1.0, in their order.
std::span<const OperacionEsquema> OperacionesEstructura210();
// Rows 1, 2, 17, 24, 34, 35, 36, 40, 42, 43, 44, 45 and 46 of that table:
// what the editions starting at 2.0.2 receive of it.
std::span<const int> FilasEstructura203();

// Runs one operation (continue-on-failure).
void EjecutarOperacionEsquema(EjecucionTolerante& ejecucion, const OperacionEsquema& operacion);

// Schema changes 2.0.1 -> 2.1.0 and 2.0.2 -> 2.0.3. Every failing statement
// is passed over; only a failure that ended the transaction is thrown.
void ActualizarEstructura210(db::Connection& conLocal);
void ActualizarEstructura203(db::Connection& conLocal);
