#include "platform/locks/cProcesarBloqueos.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/locks/LockErrors.h"
#include "platform/locks/LockSession.h"

#include <QStringList>

namespace PVAPI {

namespace {

[[noreturn]] void throwInvalidCall(const QString& why)
{
    ThrowLockError(vb::ErrInvalidCall,
                   QStringLiteral("Llamada a procedimiento o argumento no válido: %1").arg(why));
}

} // namespace

cProcesarBloqueos::cProcesarBloqueos() = default;

cProcesarBloqueos::~cProcesarBloqueos()
{
    if (!m_session || !m_retiene)
        return;
    try {
        m_session->release(m_propietario);
    } catch (...) {
        // What could not be released now goes when this program's session
        // ends, or when another workstation finds the program gone.
    }
}

void cProcesarBloqueos::Inicializar(const QString& strDirectorioTemporal)
{
    m_carpeta = strDirectorioTemporal;
    std::shared_ptr<LockSession> next = LockSession::ForFolder(strDirectorioTemporal);
    if (next == m_session)
        return;
    if (m_session)
        LiberarBloqueos();
    m_session = std::move(next);
    m_propietario = m_session->newOwner();
    m_retiene = false;
}

// A folder whose lock file could not be used when the object was set up (in
// use while damaged, busy) is tried again at each use: the error the user
// then reads is that of the file, and once the file is usable the locks work.
LockSession& cProcesarBloqueos::session()
{
    if (!m_session && m_carpeta)
        Inicializar(*m_carpeta);
    if (!m_session)
        ThrowLockError(ErrLockNotInitialised,
                       QStringLiteral("El servicio de bloqueos no se ha inicializado"));
    return *m_session;
}

void cProcesarBloqueos::DefinirBloqueo(const Argumentos& argumentos)
{
    if (argumentos.strTabla.trimmed().isEmpty()) {
        failDeclaration();
        throwInvalidCall(QStringLiteral("falta la tabla"));
    }
    if (argumentos.blnBloqueoTotalTabla) {
        declare({argumentos.strTabla, std::nullopt, false});
        return;
    }
    if (!argumentos.conBD) {
        failDeclaration();
        throwInvalidCall(QStringLiteral("falta la conexión"));
    }
    if (argumentos.blnComprobarExisteRegistro)
        declareCheckedRecord(argumentos);
    else
        declareKeysOf(argumentos.strTabla, *argumentos.conBD, argumentos.strRegistro,
                      argumentos.blnBloqueoParcialRegistro);
}

void cProcesarBloqueos::DefinirBloqueo(const QString& strTabla, db::Connection& conBD,
                                       const QString& strRegistro)
{
    DefinirBloqueo(Argumentos{.strTabla = strTabla, .conBD = &conBD, .strRegistro = strRegistro});
}

void cProcesarBloqueos::DefinirBloqueo(const QString& strTabla, bool blnBloqueoTotalTabla)
{
    if (!blnBloqueoTotalTabla) {
        failDeclaration();
        throwInvalidCall(QStringLiteral("no se indica qué bloquear de la tabla %1").arg(strTabla));
    }
    DefinirBloqueo(Argumentos{.strTabla = strTabla, .blnBloqueoTotalTabla = true});
}

void cProcesarBloqueos::declareCheckedRecord(const Argumentos& argumentos)
{
    if (argumentos.strSQLExisteRegistro.trimmed().isEmpty()) {
        failDeclaration();
        throwInvalidCall(QStringLiteral("falta la consulta de existencia del registro"));
    }
    bool exists = false;
    try {
        exists = !argumentos.conBD->Execute(argumentos.strSQLExisteRegistro).EOF_();
    } catch (...) {
        failDeclaration();
        throw;
    }
    if (!exists) {
        if (m_fallo == BloqueoConcedido)
            m_fallo = BloqueoRegistroInexistente;
        return;
    }
    declare({argumentos.strTabla, LockRecordKey({argumentos.strRegistro}),
             argumentos.blnBloqueoParcialRegistro});
}

void cProcesarBloqueos::declareKeysOf(const QString& strTabla, db::Connection& conBD,
                                      const QString& sql, bool parcial)
{
    try {
        db::Recordset keys = conBD.Execute(sql);
        if (!keys.isOpen())
            throwInvalidCall(QStringLiteral("la consulta de claves no devuelve registros"));
        const int columns = keys.Fields().Count();
        for (; !keys.EOF_(); keys.MoveNext()) {
            QStringList key;
            bool allNull = true;
            for (int c = 0; c < columns; ++c) {
                const db::Value value = keys.value(c);
                allNull = allNull && value.isNull();
                key << value.toString();
            }
            // A row without any key value names no record to protect.
            if (!allNull)
                declare({strTabla, LockRecordKey(key), parcial});
        }
    } catch (...) {
        failDeclaration();
        throw;
    }
}

void cProcesarBloqueos::declare(LockRequest request)
{
    m_declarados.append(std::move(request));
}

void cProcesarBloqueos::failDeclaration()
{
    m_fallo = BloqueoDeclaracionFallida;
}

void cProcesarBloqueos::forgetDeclarations()
{
    m_declarados.clear();
    m_fallo = BloqueoConcedido;
}

qint32 cProcesarBloqueos::lngEfectuarBloqueos(bool blnSoloComprobar)
{
    LockSession& locks = session();
    Resultado result = m_fallo;
    if (result == BloqueoConcedido) {
        try {
            result = locks.take(m_propietario, m_declarados, blnSoloComprobar)
                ? BloqueoConcedido : BloqueoOcupado;
        } catch (const vb::VbError& error) {
            if (error.number() != ErrLockDatabaseBusy)
                throw;
            result = BloqueoBaseOcupada;
        }
    }
    if (!blnSoloComprobar) {
        m_retiene = m_retiene || (result == BloqueoConcedido && !m_declarados.isEmpty());
        forgetDeclarations();
    }
    return result;
}

void cProcesarBloqueos::LiberarBloqueos()
{
    forgetDeclarations();
    if (m_session && m_retiene) {
        m_session->release(m_propietario);
        m_retiene = false;
    }
}

void cProcesarBloqueos::EstablecerBloqueoEntradaAplicacion()
{
    session().setEntryLock(m_propietario);
    m_retiene = true;
}

bool cProcesarBloqueos::blnComprobarBloqueoEntradaAplicacion()
{
    return session().entryLockHeldElsewhere();
}

} // namespace PVAPI
