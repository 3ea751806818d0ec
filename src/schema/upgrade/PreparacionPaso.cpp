#include "schema/upgrade/PreparacionPaso.h"

#include "platform/db/Connection.h"
#include "platform/db/Counters.h"
#include "platform/vb/VbError.h"

namespace {

bool ExisteTabla(db::Connection& con, const QString& tabla)
{
    db::Recordset rs = con.Query(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = ? AND "
                                                "UCase(name) = UCase(?)"),
                                 {QStringLiteral("table"), tabla});
    return rs.value(0).toInt64() > 0;
}

} // namespace

void PrepararPaso(db::Connection& conLocal, const QStringList& tablasABorrar, const QStringList& tablasAVaciar)
{
    for (const QString& tabla : tablasABorrar) {
        if (ExisteTabla(conLocal, tabla))
            conLocal.Execute(QStringLiteral("DROP TABLE ") + tabla);
    }
    for (const QString& tabla : tablasAVaciar) {
        if (!ExisteTabla(conLocal, tabla))
            continue;
        conLocal.Execute(QStringLiteral("DELETE * FROM ") + tabla);
        db::ResetCounter(conLocal, tabla);
    }
}
