#include "schema/upgrade/EjecucionTolerante.h"

#include "platform/db/Connection.h"
#include "platform/vb/VbError.h"

#include <sqlite3.h>

EjecucionTolerante::EjecucionTolerante(db::Connection& conexion) : m_conexion(conexion) {}

bool EjecucionTolerante::Ejecutar(const QString& sentencia, const QList<db::Value>& parametros)
{
    return Intentar([&] {
        if (parametros.isEmpty())
            m_conexion.Execute(sentencia);
        else
            m_conexion.Exec(sentencia, parametros);
    });
}

bool EjecucionTolerante::Intentar(const std::function<void()>& trabajo)
{
    try {
        trabajo();
        return true;
    } catch (const vb::VbError& error) {
        if (!TransaccionViva(m_conexion))
            throw;
        ++m_fallos;
        m_ultimoFallo = error.description();
        return false;
    }
}

bool EjecucionTolerante::Sondear(const QString& consulta)
{
    try {
        m_conexion.Execute(consulta);
        return true;
    } catch (const vb::VbError&) {
        if (!TransaccionViva(m_conexion))
            throw;
        return false;
    }
}

bool TransaccionViva(db::Connection& conexion)
{
    if (conexion.TransactionLevel() == 0)
        return true;
    // SQLite ends a transaction by itself after some failures (disk full, I/O);
    // the connection's own level does not show that.
    return conexion.isOpen() && sqlite3_get_autocommit(conexion.handle()) == 0;
}
