#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QStringList>

namespace testsupport {

// The rows a query returns, each as its values joined by "|": one
// comparison shows a whole table's content in a failure message.
inline QStringList Filas(db::Connection& con, const QString& sql)
{
    QStringList filas;
    for (db::Recordset rs = con.Query(sql, {}); !rs.isEOF(); rs.MoveNext()) {
        QStringList valores;
        for (int i = 0; i < rs.Fields().Count(); ++i)
            valores << rs.value(i).toString();
        filas << valores.join(QLatin1Char('|'));
    }
    return filas;
}

} // namespace testsupport
