#include "platform/locks/LockSession.h"

#include "platform/os/Paths.h"
#include "platform/locks/LockDatabase.h"
#include "platform/locks/LockErrors.h"
#include "platform/locks/LockFileRepair.h"
#include "platform/locks/LockLivenessFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUuid>

#include <cerrno>
#include <map>
#include <mutex>
#include <unistd.h>

namespace PVAPI {

const QString LockSession::DatabaseFileName = QStringLiteral("Bloqueos.ldb");
const QString LockSession::SessionsFolderName = QStringLiteral("Bloqueos.sesiones");

namespace {

using Mode = LockDatabase::Mode;

struct Registry {
    std::mutex mutex;
    std::map<QString, std::shared_ptr<LockSession>> sessions;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

// Any spelling of a folder ("\" or "/", trailing separator or not) names
// one session.
QString canonicalFolder(const QString& folder)
{
    const QString path = os::NormalizeSeparators(folder);
    const QFileInfo info(path.isEmpty() ? QDir::currentPath() : path);
    if (!info.isDir())
        ThrowLockError(ErrLockFolderNotFound,
                       QStringLiteral("No se ha encontrado la ruta de acceso '%1'").arg(path));
    return info.canonicalFilePath();
}

// A foreign lock conflicts with a requested one on the same table when either
// covers the whole table, or both name the same record and not both are
// partial. Locks of this owner and of dead sessions never conflict.
constexpr const char* ConflictSql =
    "SELECT EXISTS(SELECT 1 FROM temp.Pedido p JOIN Bloqueo b ON b.Tabla = p.Tabla"
    "   WHERE p.Registro IS NULL AND NOT (b.Sesion = ?1 AND b.Propietario = ?2)"
    "   AND b.Sesion IN (SELECT Id FROM temp.Viva))"
    " OR EXISTS(SELECT 1 FROM temp.Pedido p JOIN Bloqueo b"
    "   ON b.Tabla = p.Tabla AND b.Registro IS NULL"
    "   WHERE NOT (b.Sesion = ?1 AND b.Propietario = ?2)"
    "   AND b.Sesion IN (SELECT Id FROM temp.Viva))"
    " OR EXISTS(SELECT 1 FROM temp.Pedido p JOIN Bloqueo b"
    "   ON b.Tabla = p.Tabla AND b.Registro = p.Registro"
    "   WHERE NOT (b.Parcial = 1 AND p.Parcial = 1)"
    "   AND NOT (b.Sesion = ?1 AND b.Propietario = ?2)"
    "   AND b.Sesion IN (SELECT Id FROM temp.Viva))";

// The lock file, its journal and the liveness files all live in the data
// folder: when it may not be written, that is the one thing to tell.
void throwIfReadOnly(const QString& folder)
{
    if (::access(QFile::encodeName(folder).constData(), W_OK) == 0)
        return;
    if (errno != EACCES && errno != EROFS && errno != EPERM)
        return;
    ThrowLockError(ErrLockFolderReadOnly,
                   QStringLiteral("La carpeta de los datos '%1' es de sólo lectura, y el programa necesita escribir "
                                  "en ella para saber qué otros puestos de trabajo usan los datos. Pida permiso de "
                                  "escritura en esa carpeta al administrador del equipo, o copie los datos a una "
                                  "carpeta en la que pueda escribir.")
                       .arg(QDir::toNativeSeparators(folder)));
}

} // namespace

std::shared_ptr<LockSession> LockSession::ForFolder(const QString& folder)
{
    const QString key = canonicalFolder(folder);
    Registry& r = registry();
    std::lock_guard guard(r.mutex);
    auto& slot = r.sessions[key];
    if (!slot) {
        try {
            slot.reset(new LockSession(key));
        } catch (...) {
            r.sessions.erase(key);
            throw;
        }
    }
    return slot;
}

void LockSession::CloseAll()
{
    std::map<QString, std::shared_ptr<LockSession>> closing;
    {
        Registry& r = registry();
        std::lock_guard guard(r.mutex);
        closing.swap(r.sessions);
    }
}

LockSession::LockSession(const QString& folder)
    : m_folder(folder)
    , m_id(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    throwIfReadOnly(folder);
    const QDir dir(folder);
    if (!dir.exists(SessionsFolderName) && !dir.mkdir(SessionsFolderName) && !dir.exists(SessionsFolderName))
        ThrowLockError(ErrLockLivenessFile,
                       QStringLiteral("No se puede crear la carpeta '%1'").arg(dir.filePath(SessionsFolderName)));
    // The liveness file is held before the session row exists, so a row is
    // never seen without its file being held.
    m_liveness = std::make_unique<LockLivenessFile>(livenessPath(m_id));
    m_db = LockFileRepair::Open(dir.filePath(DatabaseFileName), dir.filePath(SessionsFolderName), m_id);
    m_db->exec("CREATE TEMP TABLE IF NOT EXISTS Viva(Id TEXT PRIMARY KEY);"
               "CREATE TEMP TABLE IF NOT EXISTS Pedido("
               "  Tabla TEXT NOT NULL, Registro TEXT, Parcial INTEGER NOT NULL);");

    LockDatabase::Transaction transaction(*m_db, Mode::Write);
    refreshLiveSessions(true);
    transaction.commit();
}

LockSession::~LockSession()
{
    try {
        LockDatabase::Transaction transaction(*m_db, Mode::Write);
        LockDatabase::Statement bloqueos(*m_db, "DELETE FROM Bloqueo WHERE Sesion = ?1");
        bloqueos.bind(1, m_id).step();
        LockDatabase::Statement entradas(*m_db, "DELETE FROM EntradaAplicacion WHERE Sesion = ?1");
        entradas.bind(1, m_id).step();
        LockDatabase::Statement sesion(*m_db, "DELETE FROM Sesion WHERE Id = ?1");
        sesion.bind(1, m_id).step();
        transaction.commit();
    } catch (...) {
        // Left behind, the rows are purged by the next workstation that
        // finds this session's liveness file free.
    }
    m_db.reset();
    m_liveness.reset();
}

QString LockSession::livenessPath(const QString& sessionId) const
{
    return QDir(m_folder).filePath(SessionsFolderName + QLatin1Char('/') + sessionId);
}

int LockSession::refreshLiveSessions(bool purge)
{
    m_db->exec("DELETE FROM temp.Viva");
    LockDatabase::Statement live(*m_db, "INSERT OR IGNORE INTO temp.Viva(Id) VALUES(?1)");
    live.bind(1, m_id).step();

    QStringList others;
    LockDatabase::Statement sessions(*m_db, "SELECT Id FROM Sesion WHERE Id <> ?1");
    sessions.bind(1, m_id);
    while (sessions.step())
        others << sessions.text(0);

    int alive = 0;
    QStringList dead;
    for (const QString& id : others) {
        // A file that cannot be examined is taken as alive: a lock wrongly
        // kept only delays work, a lock wrongly dropped lets it collide.
        if (LockLivenessFile::Probe(livenessPath(id)) == LockLivenessFile::State::Free) {
            dead << id;
        } else {
            live.reset();
            live.bind(1, id).step();
            ++alive;
        }
    }
    if (purge)
        purgeDeadSessions(dead);
    return alive;
}

void LockSession::purgeDeadSessions(const QStringList& dead)
{
    // Everything not owned by a live session goes, rows left by sessions
    // whose Sesion row is already missing included.
    m_db->exec("DELETE FROM Bloqueo WHERE Sesion NOT IN (SELECT Id FROM temp.Viva);"
               "DELETE FROM EntradaAplicacion WHERE Sesion NOT IN (SELECT Id FROM temp.Viva);"
               "DELETE FROM Sesion WHERE Id NOT IN (SELECT Id FROM temp.Viva);");
    // Registers this session; should its row have been purged (a file lock
    // lost on a network share), it is put back so its new locks stay visible.
    LockDatabase::Statement own(*m_db,
        "INSERT OR IGNORE INTO Sesion(Id, Equipo, Proceso, Inicio) VALUES(?1, ?2, ?3, ?4)");
    own.bind(1, m_id)
        .bind(2, QSysInfo::machineHostName())
        .bind(3, qint64(::getpid()))
        .bind(4, QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    own.step();
    for (const QString& id : dead)
        QFile::remove(livenessPath(id));
}

void LockSession::loadRequests(const QList<LockRequest>& requests)
{
    m_db->exec("DELETE FROM temp.Pedido");
    LockDatabase::Statement insert(*m_db,
        "INSERT INTO temp.Pedido(Tabla, Registro, Parcial) VALUES(?1, ?2, ?3)");
    for (const LockRequest& request : requests) {
        insert.reset();
        insert.bind(1, LockTableName(request.table));
        if (request.record)
            insert.bind(2, *request.record);
        else
            insert.bindNull(2);
        insert.bind(3, qint64(request.partial ? 1 : 0));
        insert.step();
    }
}

bool LockSession::conflicts(qint64 owner)
{
    LockDatabase::Statement query(*m_db, ConflictSql);
    query.bind(1, m_id).bind(2, owner);
    return query.step() && query.integer(0) != 0;
}

bool LockSession::take(qint64 owner, const QList<LockRequest>& requests, bool testOnly)
{
    std::lock_guard guard(m_mutex);
    if (requests.isEmpty())
        return true;
    LockDatabase::Transaction transaction(*m_db, testOnly ? Mode::Read : Mode::Write);
    refreshLiveSessions(!testOnly);
    loadRequests(requests);
    if (conflicts(owner))
        return false;
    if (testOnly)
        return true;
    LockDatabase::Statement insert(*m_db,
        "INSERT INTO Bloqueo(Sesion, Propietario, Tabla, Registro, Parcial)"
        " SELECT DISTINCT ?1, ?2, Tabla, Registro, Parcial FROM temp.Pedido");
    insert.bind(1, m_id).bind(2, owner).step();
    transaction.commit();
    return true;
}

void LockSession::release(qint64 owner)
{
    std::lock_guard guard(m_mutex);
    LockDatabase::Transaction transaction(*m_db, Mode::Write);
    LockDatabase::Statement bloqueos(*m_db,
        "DELETE FROM Bloqueo WHERE Sesion = ?1 AND Propietario = ?2");
    bloqueos.bind(1, m_id).bind(2, owner).step();
    LockDatabase::Statement entradas(*m_db,
        "DELETE FROM EntradaAplicacion WHERE Sesion = ?1 AND Propietario = ?2");
    entradas.bind(1, m_id).bind(2, owner).step();
    transaction.commit();
}

void LockSession::setEntryLock(qint64 owner)
{
    std::lock_guard guard(m_mutex);
    LockDatabase::Transaction transaction(*m_db, Mode::Write);
    refreshLiveSessions(true);
    LockDatabase::Statement insert(*m_db,
        "INSERT INTO EntradaAplicacion(Sesion, Propietario) VALUES(?1, ?2)");
    insert.bind(1, m_id).bind(2, owner).step();
    transaction.commit();
}

bool LockSession::entryLockHeldElsewhere()
{
    std::lock_guard guard(m_mutex);
    LockDatabase::Transaction transaction(*m_db, Mode::Read);
    refreshLiveSessions(false);
    LockDatabase::Statement query(*m_db,
        "SELECT EXISTS(SELECT 1 FROM EntradaAplicacion WHERE Sesion <> ?1"
        " AND Sesion IN (SELECT Id FROM temp.Viva))");
    query.bind(1, m_id);
    return query.step() && query.integer(0) != 0;
}

int LockSession::otherLiveSessions()
{
    std::lock_guard guard(m_mutex);
    LockDatabase::Transaction transaction(*m_db, Mode::Read);
    return refreshLiveSessions(false);
}

} // namespace PVAPI
