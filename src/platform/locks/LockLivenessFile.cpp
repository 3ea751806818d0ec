#include "platform/locks/LockLivenessFile.h"

#include "platform/locks/LockErrors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace PVAPI {

namespace {

struct flock wholeFileWriteLock()
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    lock.l_pid = 0;   // required to be 0 for open-file-description locks
    return lock;
}

} // namespace

LockLivenessFile::LockLivenessFile(const QString& path)
    : m_path(path)
{
    // Close-on-exec: a child started by the program must not inherit the
    // description and keep the session "alive" after the program has died.
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0)
        ThrowLockError(ErrLockLivenessFile,
                       QStringLiteral("No se puede crear el fichero de sesión '%1': %2")
                           .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    struct flock lock = wholeFileWriteLock();
    if (::fcntl(m_fd, F_OFD_SETLK, &lock) != 0) {
        const int error = errno;
        ::close(m_fd);
        ThrowLockError(ErrLockLivenessFile,
                       QStringLiteral("No se puede bloquear el fichero de sesión '%1': %2")
                           .arg(path, QString::fromLocal8Bit(std::strerror(error))));
    }
}

LockLivenessFile::~LockLivenessFile()
{
    ::unlink(m_path.toLocal8Bit().constData());
    ::close(m_fd);
}

LockLivenessFile::State LockLivenessFile::Probe(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? State::Free : State::Unknown;
    struct flock lock = wholeFileWriteLock();
    const int rc = ::fcntl(fd, F_OFD_GETLK, &lock);
    ::close(fd);
    if (rc != 0)
        return State::Unknown;
    return lock.l_type == F_UNLCK ? State::Free : State::Held;
}

} // namespace PVAPI
