#pragma once

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"

#include <QTemporaryDir>

// An empty database in a folder of its own, open for a test that builds
// just the tables it needs.
class BDTemporal {
public:
    BDTemporal()
    {
        db::CreateDatabase(Ruta());
        con.Open(QStringLiteral("Data Source=") + Ruta());
    }

    QString Ruta() const { return m_dir.filePath(QStringLiteral("Duzediv.mdb")); }

    db::Value Escalar(const QString& sql)
    {
        db::Recordset rs = con.Execute(sql);
        return rs.isEOF() ? db::Value() : rs.value(0);
    }

    // The values of one column, in key order, as texts ("<null>" for Null).
    QStringList Columna(const QString& sql)
    {
        QStringList valores;
        for (db::Recordset rs = con.Execute(sql); !rs.isEOF(); rs.MoveNext())
            valores << (rs.value(0).isNull() ? QStringLiteral("<null>") : rs.value(0).toString());
        return valores;
    }

private:
    QTemporaryDir m_dir;

public:
    db::Connection con;
};
