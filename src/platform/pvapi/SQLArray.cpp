#include "platform/pvapi/cIListas.h"

#include <QStringList>

namespace PVAPI {

// " AND <strCampo> IN (ids)": the continuation of a WHERE clause that keeps
// the rows of those ids.
QString cIListas::SQLArray(const QList<qint32>& ids, const QString& strCampo)
{
    // The ids are numbers written by this code, never user text, so the
    // list can stand in the statement. No id matches nothing ("IN" of an
    // impossible value), never everything.
    QStringList valores;
    valores.reserve(ids.size());
    for (qint32 id : ids)
        valores << QString::number(id);
    if (valores.isEmpty())
        return QStringLiteral(" AND 1 = 0");
    return QStringLiteral(" AND ") + strCampo + QStringLiteral(" IN (") + valores.join(QStringLiteral(", ")) +
           QLatin1Char(')');
}

} // namespace PVAPI
