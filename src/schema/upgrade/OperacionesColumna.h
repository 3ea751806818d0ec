#pragma once

#include <QString>

class EjecucionTolerante;

// The column operations every schema step of the parish and accounting
// databases is made of. Each statement runs through the tolerant executor, so
// a failing one is passed over; each operation is judged on its own probe,
// never on an earlier failure.
//
// A type clause is written as the statements write it ("INT DEFAULT 0",
// "NVARCHAR(16) DEFAULT \"\"", "SMALLINT NULL DEFAULT 0"); a fill value as a
// Jet literal ("0", "''", "'000'"), or empty for no fill.
class OperacionesColumna {
public:
    explicit OperacionesColumna(EjecucionTolerante& ejecucion);

    // True when the column can be read from the table (both exist).
    bool Sondear(const QString& tabla, const QString& columna);
    bool ExisteTabla(const QString& tabla);

    // Adds the column and fills the existing rows, or changes the present
    // column to the type keeping its values. Returns true on the changing path
    // (the column was there). `nombreSinCorchetes` writes the column name bare
    // in ADD COLUMN, as one old statement does.
    bool AnadirOCambiar(const QString& tabla, const QString& columna, const QString& tipo,
                        const QString& relleno = {}, bool nombreSinCorchetes = false);
    // CREATE TABLE without columns when the table is missing.
    void CrearSiFalta(const QString& tabla);
    void BorrarSiExiste(const QString& tabla, const QString& columna);
    // ALTER COLUMN whatever the state of the column.
    void CambiarSinSondeo(const QString& tabla, const QString& columna, const QString& tipo);

private:
    EjecucionTolerante& m_ejecucion;
};
