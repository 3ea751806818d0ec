#include "schema/upgrade/ActualizarEstructura220.h"

#include "schema/upgrade/EjecucionTolerante.h"

#include "platform/db/Connection.h"
#include "seed/DatosSemilla.h"
#include "seed/SemillasNuevas.h"

#include <QList>

namespace {

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
    QList<DeduccionQueFalta> faltan;
    if (!e.Intentar([&] { faltan = DeduccionesQueFaltan(e.Conexion()); }))
        return;
    for (const DeduccionQueFalta& d : faltan)
        e.Ejecutar(QStringLiteral("INSERT INTO Deduccion (Deduccion, codComunidad) VALUES(?, ?)"),
                   {d.porcentaje, d.comunidad});
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
