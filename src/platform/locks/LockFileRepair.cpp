#include "platform/locks/LockFileRepair.h"

#include "platform/locks/LockDatabase.h"
#include "platform/locks/LockErrors.h"
#include "platform/locks/LockLivenessFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace PVAPI {

namespace {

// Hidden, so it is never taken for a session's liveness file.
const QString RepairLockName = QStringLiteral(".reparacion");

constexpr int RepairPauseMs = 20;

// Only one program rebuilds a folder's lock file at a time: the others wait
// here and then find the file sound.
class RepairLock {
public:
    explicit RepairLock(const QString& path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (m_fd < 0)
            ThrowLockError(ErrLockDatabase,
                           QStringLiteral("No se puede reparar el archivo de bloqueos: no se puede crear '%1'.")
                               .arg(path));
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        QElapsedTimer waited;
        waited.start();
        while (::fcntl(m_fd, F_OFD_SETLK, &lock) != 0) {
            if ((errno != EAGAIN && errno != EACCES) || waited.elapsed() > LockDatabase::BusyTimeoutMs) {
                ::close(m_fd);
                ThrowLockError(ErrLockDatabaseBusy,
                               QStringLiteral("Otro equipo está reparando el archivo de bloqueos. Inténtelo de nuevo."));
            }
            ::usleep(RepairPauseMs * 1000);
        }
    }
    ~RepairLock() { ::close(m_fd); }
    RepairLock(const RepairLock&) = delete;
    RepairLock& operator=(const RepairLock&) = delete;

private:
    int m_fd = -1;
};

std::unique_ptr<LockDatabase> openUnlessDamaged(const QString& path)
{
    try {
        return std::make_unique<LockDatabase>(path);
    } catch (const vb::VbError& error) {
        if (error.number() != ErrLockDatabaseDamaged)
            throw;
        return nullptr;
    }
}

} // namespace

std::unique_ptr<LockDatabase> LockFileRepair::Open(const QString& path, const QString& sessionsFolder,
                                                   const QString& ownSession)
{
    if (auto db = openUnlessDamaged(path))
        return db;
    const RepairLock repairing(QDir(sessionsFolder).filePath(RepairLockName));
    // Another program may have rebuilt it while this one waited.
    if (auto db = openUnlessDamaged(path))
        return db;
    if (otherSessionAlive(sessionsFolder, ownSession))
        ThrowLockError(ErrLockDatabaseDamaged,
                       QStringLiteral("El archivo de bloqueos '%1' está dañado y no se puede reparar mientras el "
                                      "programa siga abierto en otro equipo. Cierre el programa en los demás "
                                      "equipos y vuelva a intentarlo.")
                           .arg(path));
    rebuild(path);
    return std::make_unique<LockDatabase>(path);
}

// A liveness file that cannot be examined counts as alive: rebuilding under a
// running program would drop the locks it holds.
bool LockFileRepair::otherSessionAlive(const QString& sessionsFolder, const QString& ownSession)
{
    const QStringList sessions = QDir(sessionsFolder).entryList(QDir::Files);
    for (const QString& id : sessions)
        if (id != ownSession
            && LockLivenessFile::Probe(QDir(sessionsFolder).filePath(id)) != LockLivenessFile::State::Free)
            return true;
    return false;
}

// The new file is made complete under another name and renamed over the
// damaged one in one step, so no program ever opens a half-made file. The
// damaged file's journal goes first: rolled back into the new file it would
// damage that too.
void LockFileRepair::rebuild(const QString& path)
{
    qWarning().noquote() << "Rebuilding the damaged lock database" << path;
    const QString fresh = path + QStringLiteral(".nuevo");
    const QString journal = QStringLiteral("-journal");
    QFile::remove(fresh);
    QFile::remove(fresh + journal);
    {
        const LockDatabase made(fresh);
    }
    QFile::remove(path + journal);
    if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(fresh);
        ThrowLockError(ErrLockDatabase,
                       QStringLiteral("No se puede reparar el archivo de bloqueos '%1'. Compruebe que se puede "
                                      "escribir en la carpeta de los datos.")
                           .arg(path));
    }
}

} // namespace PVAPI
