#include "schema/upgrade/ActualizarEstructura220.h"

#include "schema/upgrade/EjecucionTolerante.h"

#include "platform/db/Connection.h"
#include "seed/DatosSemilla.h"

#include <QList>
#include <QPair>
#include <QSet>

namespace {

constexpr int kPorcentajeMaximo = 100;

void TiposPersona(EjecucionTolerante& e)
{
    e.Ejecutar(QStringLiteral("CREATE TABLE TipoPersonaModelo182 (IdTipoPersonaModelo182 COUNTER CONSTRAINT "
                              "IdTipoPersonaModelo182 PRIMARY KEY, TipoPersonaModelo182 VARCHAR(50))"));
    e.Ejecutar(QStringLiteral("INSERT INTO TipoPersonaModelo182 (TipoPersonaModelo182) VALUES('Persona física')"));
    e.Ejecutar(QStringLiteral("INSERT INTO TipoPersonaModelo182 (TipoPersonaModelo182) VALUES('Persona jurídica')"));
    e.Ejecutar(QStringLiteral("INSERT INTO TipoPersonaModelo182 (TipoPersonaModelo182) "
                              "VALUES('Entidad en régimen de atribución de rentas')"));
}

// Every person is a natural person unless the document looks like a
// company's: not starting with a digit or X, and at least 9 characters.
void TipoPersonaDePadron(EjecucionTolerante& e)
{
    e.Ejecutar(QStringLiteral("ALTER TABLE Padron ADD COLUMN codTipoPersonaModelo182 INT"));
    e.Ejecutar(QStringLiteral("UPDATE Padron SET codTipoPersonaModelo182 = 1"));
    e.Ejecutar(QStringLiteral("UPDATE Padron SET codTipoPersonaModelo182 = 2 WHERE NOT ISNUMERIC(LEFT(DNI,1)) AND "
                              "UCASE(LEFT(DNI,1)) <> 'X' AND TRIM(DNI)<> '' AND LEN(TRIM(DNI)) >= 9"));
}

void Modelo182(EjecucionTolerante& e)
{
    e.Ejecutar(QStringLiteral("CREATE TABLE [Modelo182] (IdModelo182 COUNTER CONSTRAINT IdModelo182 PRIMARY KEY, "
                              "TipoA BYTE, TipoB BYTE, DeduccionRegFiscal2 BYTE)"));
    e.Ejecutar(QStringLiteral("INSERT INTO Modelo182 (TipoA, TipoB,DeduccionRegFiscal2) VALUES(25,30,10)"));
}

void Comunidades(EjecucionTolerante& e)
{
    e.Ejecutar(QStringLiteral("ALTER TABLE ComunidadAutonoma ADD COLUMN DeduccionDefecto BYTE"));
    for (const FilaComunidadAutonoma& fila : DatosSemilla::ComunidadesAutonomasV220())
        e.Ejecutar(QStringLiteral("INSERT INTO ComunidadAutonoma (Nombre, Codigo) VALUES(?, ?)"),
                   {QString::fromUtf8(fila.Nombre), QString::fromUtf8(fila.Codigo)});
    e.Ejecutar(QStringLiteral("UPDATE ComunidadAutonoma SET DeduccionDefecto=0"));
}

// Each community gets every percentage it lacks, so that it ends with each
// value once whatever rows it had (the seed's six pairs, or a table that a
// user or an earlier attempt already completed).
void Deducciones(EjecucionTolerante& e)
{
    db::Connection& con = e.Conexion();
    QSet<QPair<qint64, qint64>> existentes;
    QList<qint64> comunidades;
    const bool leidas = e.Intentar([&] {
        for (db::Recordset rs = con.Execute(QStringLiteral("SELECT codComunidad, Deduccion FROM Deduccion"));
             !rs.isEOF(); rs.MoveNext()) {
            const db::Value comunidad = rs.value(0);
            const db::Value porcentaje = rs.value(1);
            if (!comunidad.isNull() && !porcentaje.isNull())
                existentes.insert({comunidad.toInt64(), porcentaje.toInt64()});
        }
        for (db::Recordset rs = con.Execute(QStringLiteral("SELECT IdComunidad FROM ComunidadAutonoma ORDER BY "
                                                           "Codigo ASC"));
             !rs.isEOF(); rs.MoveNext())
            comunidades.append(rs.value(0).toInt64());
    });
    if (!leidas)
        return;
    for (qint64 comunidad : comunidades) {
        for (qint64 porcentaje = 0; porcentaje <= kPorcentajeMaximo; ++porcentaje) {
            if (!existentes.contains({comunidad, porcentaje}))
                e.Ejecutar(QStringLiteral("INSERT INTO Deduccion (Deduccion, codComunidad) VALUES(?, ?)"),
                           {porcentaje, comunidad});
        }
    }
}

} // namespace

bool ActualizarEstructura220(db::Connection& conLocal)
{
    EjecucionTolerante e(conLocal);
    TiposPersona(e);
    TipoPersonaDePadron(e);
    Modelo182(e);
    Comunidades(e);
    Deducciones(e);
    return !e.HuboFallo();
}
