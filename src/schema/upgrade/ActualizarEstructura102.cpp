#include "schema/upgrade/ActualizarEstructura102.h"

#include "schema/upgrade/EjecucionTolerante.h"
#include "schema/upgrade/OperacionesColumna.h"

namespace {

const QString kVacio = QStringLiteral("\"\"");

// One line's text per entry, always the same one, and never longer than the
// column: a long line text cannot make the whole fill fail.
const QString kConceptoDesdeApuntes = QStringLiteral(
    "UPDATE Asiento SET ConceptoAsiento = Nz((SELECT Left(Apunte.Concepto, 30) FROM Apunte "
    "WHERE Apunte.IDApunte = (SELECT MIN(Primero.IDApunte) FROM Apunte AS Primero "
    "WHERE Primero.codAsiento = Asiento.IDAsiento)), '')");

} // namespace

void ActualizarEstructura102(db::Connection& conContabilidad)
{
    EjecucionTolerante ejecucion(conContabilidad);
    OperacionesColumna columnas(ejecucion);

    const bool conceptoPresente = columnas.AnadirOCambiar(QStringLiteral("Asiento"), QStringLiteral("ConceptoAsiento"),
                                                          QStringLiteral("NVARCHAR(30) DEFAULT ") + kVacio,
                                                          QStringLiteral("''"));
    if (!conceptoPresente)
        ejecucion.Ejecutar(kConceptoDesdeApuntes);

    columnas.AnadirOCambiar(QStringLiteral("Empresa"), QStringLiteral("CodGrupo"), QStringLiteral("INT DEFAULT 0"),
                            QStringLiteral("0"));
    columnas.CrearSiFalta(QStringLiteral("Grupo"));
    columnas.AnadirOCambiar(QStringLiteral("Grupo"), QStringLiteral("IDGrupo"), QStringLiteral("COUNTER PRIMARY KEY"));
    columnas.AnadirOCambiar(QStringLiteral("Grupo"), QStringLiteral("Nombre"),
                            QStringLiteral("NVARCHAR(40) DEFAULT ") + kVacio, QStringLiteral("''"));
}
