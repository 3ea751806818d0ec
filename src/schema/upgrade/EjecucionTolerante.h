#pragma once

#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <functional>

namespace db {
class Connection;
}

// Runs statements the way the schema steps do: a failing statement is passed
// over and remembered, and the next one runs. A failure that made the engine
// end the surrounding transaction is never passed over (it is thrown on),
// because the statements after it would no longer be undone with the step.
class EjecucionTolerante {
public:
    explicit EjecucionTolerante(db::Connection& conexion);

    // One statement; false when it failed.
    bool Ejecutar(const QString& sentencia, const QList<db::Value>& parametros = {});
    // Any work on the connection, judged the same way.
    bool Intentar(const std::function<void()>& trabajo);
    // A probe: whether the query runs is its answer, so its failure is not
    // counted as one of the step's failures.
    bool Sondear(const QString& consulta);

    bool HuboFallo() const { return m_fallos > 0; }
    int Fallos() const { return m_fallos; }
    // Description of the latest failure, for the log.
    const QString& UltimoFallo() const { return m_ultimoFallo; }

    db::Connection& Conexion() const { return m_conexion; }

private:
    db::Connection& m_conexion;
    int m_fallos = 0;
    QString m_ultimoFallo;
};

// True while the connection's transaction is still open in the engine (a
// connection outside any transaction counts as alive).
bool TransaccionViva(db::Connection& conexion);
