#include "seed/SemillasContabilidad.h"

#include "seed/DatosSemilla.h"
#include "seed/EscrituraSemilla_p.h"
#include "seed/SentenciasSemilla.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"

void BorrarTablasPredeterminadas(db::Connection& conContabilidad)
{
    // The links go last, after the two tables they refer to.
    for (const char* tabla : {"Predet_Cuenta", "Predet_Estructura", "Predet_Rel_Estructura_Cuenta"})
        conContabilidad.Execute(QStringLiteral("DELETE * FROM ") + QLatin1String(tabla));
}

void InsertarCuentasPredeterminadas(db::Connection& conContabilidad)
{
    EscrituraSemilla::EscribirFilas(conContabilidad, DatosSemilla::CuentasPredeterminadas(),
                                    &SentenciasSemilla::Cuenta);
}

void InsertarEstructuraPredeterminada(db::Connection& conContabilidad)
{
    EscrituraSemilla::EscribirFilas(conContabilidad, DatosSemilla::EstructuraPredeterminada(),
                                    &SentenciasSemilla::Estructura);
}

void InsertarRelEstructuraCuentaPredeterminada(db::Connection& conContabilidad)
{
    EscrituraSemilla::EscribirFilas(conContabilidad, DatosSemilla::RelEstructuraCuentaPredeterminada(),
                                    &SentenciasSemilla::RelEstructuraCuenta);
}

void RenovarTablasPredeterminadas(db::Connection& conContabilidad)
{
    db::Transaction transaccion(conContabilidad);
    BorrarTablasPredeterminadas(conContabilidad);
    InsertarCuentasPredeterminadas(conContabilidad);
    InsertarEstructuraPredeterminada(conContabilidad);
    InsertarRelEstructuraCuentaPredeterminada(conContabilidad);
    transaccion.Commit();
}
