#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The work an upgrade step does inside its transaction, in order.
enum class SubPaso {
    Estructura201,
    Estructura210,
    Estructura203,
    ImportesAEuros,
    ComunidadesAutonomas,
    Deducciones,
    Nodos,
    Campos,
    Informes,
    InformesValdena,
    TiposVia,
    CamposConClave,
    NodosConClave,
    // ActualizarEstructura220 and the baptism repair, both always run; the
    // step fails unless both succeed.
    Estructura220YReparacion,
    InformesMirante,
};

// One step of the parish upgrade: from one stored version to the next.
struct PasoVersion {
    int numero = 0;
    QString desde;
    QString hasta;
    // Backup tags of the parish database.
    QStringList copias;
    // The accounting defaults are renewed with this step (backups "ContV212"
    // and "ContSinDatPredetV212"), when the accounting database is open.
    bool renuevaContabilidad = false;
    // Preparation inside the transaction.
    QStringList tablasABorrar;
    QStringList tablasAVaciar;
    // The file is compacted after the step has been committed (once, after
    // the last step of the run).
    bool compactar = false;
    QList<SubPaso> subpasos;
};

// The eight steps, numbered 1 to 8.
const QList<PasoVersion>& PasosVersion();
const PasoVersion& PasoNumero(int numero);
