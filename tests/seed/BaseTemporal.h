#pragma once

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"

#include <QTemporaryDir>

// A database made by the layout code in a temporary folder, open for the test.
class BaseTemporal {
public:
    using Creador = void (*)(db::Connection&);

    BaseTemporal(const QString& nombre, Creador crear) : m_ruta(m_carpeta.filePath(nombre))
    {
        db::CreateDatabase(m_ruta);
        Abrir();
        crear(con);
    }

    void Abrir() { con.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + m_ruta); }
    const QString& Ruta() const { return m_ruta; }

    qint64 Escalar(const QString& sql)
    {
        db::Recordset rs = con.Execute(sql);
        return rs.value(0).toInt64();
    }

private:
    QTemporaryDir m_carpeta;
    QString m_ruta;

public:
    db::Connection con;
};
