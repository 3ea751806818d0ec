#include "seed/FormatosLibro.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

QStringList FormatosLibro()
{
    return {QStringLiteral("Una partida por folio"), QStringLiteral("Dos partidas por folio"),
            QStringLiteral("Tres partidas por folio"), QStringLiteral("Cuatro partidas por folio")};
}

int SembrarFormatosLibro(db::Connection& conLocal)
{
    // The count and the inserts share one write transaction, so two
    // workstations setting up at once cannot both find the table empty.
    db::Transaction transaccion(conLocal);
    if (conLocal.Query(QStringLiteral("SELECT COUNT(*) FROM Libros_Formato"), {}).value(0).toInt64() > 0)
        return 0;
    const QStringList formatos = FormatosLibro();
    for (const QString& descripcion : formatos)
        conLocal.Exec(QStringLiteral("INSERT INTO Libros_Formato (Descripcion) VALUES (?)"), {descripcion});
    transaccion.Commit();
    return int(formatos.size());
}
