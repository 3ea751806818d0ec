#include "seed/SemillasNuevas.h"

#include "seed/DatosSemilla.h"
#include "seed/FormatosLibro.h"
#include "seed/EscrituraSemilla_p.h"
#include "seed/SemillasContabilidad.h"
#include "seed/SemillasDuzediv.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/cCAplicacion.h"

#include <QSet>

namespace {

using PVAPI::cCAplicacion;

// The thirteen communities, their default deduction and the form-182 rows
// that the 2.2.0 step adds on top of the four seeded communities.
void CompletarComunidadesYModelo182(db::Connection& con)
{
    for (const FilaComunidadAutonoma& fila : DatosSemilla::ComunidadesAutonomasV220())
        con.Exec(QStringLiteral("INSERT INTO ComunidadAutonoma (Nombre, Codigo) VALUES (?, ?)"),
                 {QString::fromUtf8(fila.Nombre), QString::fromUtf8(fila.Codigo)});
    con.Execute(QStringLiteral("UPDATE ComunidadAutonoma SET DeduccionDefecto=0"));
    for (const char* sentencia : DatosSemilla::SentenciasModelo182())
        con.Execute(QString::fromUtf8(sentencia));
}

// Every percentage 0 to 100 once for every community, in ascending code
// order, after the pairs already written.
void CompletarDeducciones(db::Connection& con)
{
    for (const DeduccionQueFalta& d : DeduccionesQueFaltan(con))
        con.Exec(QStringLiteral("INSERT INTO Deduccion (Deduccion, codComunidad) VALUES (?, ?)"),
                 {d.porcentaje, d.comunidad});
}

// The report tree an upgrade leaves for the edition. Editions whose tree
// came with their delivered database get the general one; this build's own
// edition prints the format-3 marriage file, as Mirante does.
void InsertarInformesDeEdicion(db::Connection& con, long aplicacion)
{
    if (aplicacion == cCAplicacion::APP_PARVANTA_VALDENA)
        InsertarInformesValdena(con);
    else if (aplicacion == cCAplicacion::APP_PARVANTA_MIRANTE || aplicacion == cCAplicacion::APP_PARVANTA_TUREL)
        InsertarInformesMirante(con);
    else
        InsertarInformes(con);
}

} // namespace

void SembrarDuzedivNueva(db::Connection& conLocal, long aplicacion)
{
    db::Transaction transaccion(conLocal);
    InsertarComunidadesAutonomas(conLocal);
    InsertarDeducciones(conLocal);
    CompletarComunidadesYModelo182(conLocal);
    CompletarDeducciones(conLocal);
    InsertarTiposVia(conLocal);
    InsertarCamposConClave(conLocal);
    InsertarNodosConClave(conLocal);
    InsertarInformesDeEdicion(conLocal, aplicacion);
    SembrarFormatosLibro(conLocal);
    transaccion.Commit();
}

void SembrarContabilidadNueva(db::Connection& conContabilidad)
{
    RenovarTablasPredeterminadas(conContabilidad);
}

QList<DeduccionQueFalta> DeduccionesQueFaltan(db::Connection& con)
{
    constexpr qint64 kPorcentajeMaximo = 100;
    QSet<QPair<qint64, qint64>> existentes;
    for (db::Recordset rs = con.Execute(QStringLiteral("SELECT codComunidad, Deduccion FROM Deduccion"));
         !rs.isEOF(); rs.MoveNext()) {
        const db::Value comunidad = rs.value(0);
        const db::Value porcentaje = rs.value(1);
        if (!comunidad.isNull() && !porcentaje.isNull())
            existentes.insert({comunidad.toInt64(), porcentaje.toInt64()});
    }
    QList<DeduccionQueFalta> faltan;
    for (db::Recordset rs = con.Execute(QStringLiteral("SELECT IdComunidad FROM ComunidadAutonoma ORDER BY Codigo ASC"));
         !rs.isEOF(); rs.MoveNext()) {
        const qint64 comunidad = rs.value(0).toInt64();
        for (qint64 porcentaje = 0; porcentaje <= kPorcentajeMaximo; ++porcentaje)
            if (!existentes.contains({comunidad, porcentaje}))
                faltan.append({porcentaje, comunidad});
    }
    return faltan;
}
