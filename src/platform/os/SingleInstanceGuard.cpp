#include "platform/os/SingleInstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace os {
namespace {

QString DefaultLockFolder()
{
    // Without XDG_RUNTIME_DIR Qt would make and warn about a folder of its
    // own; the temporary folder serves as well, the file name holds the uid.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QDir::tempPath();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(QString name, QString lockFolder)
{
    if (lockFolder.isEmpty())
        lockFolder = DefaultLockFolder();
    name.replace(u'/', u'_').replace(u'\\', u'_');
    m_path = QDir(lockFolder).filePath(QStringLiteral("%1-%2.lock").arg(name).arg(::getuid()));
}

SingleInstanceGuard::~SingleInstanceGuard() { release(); }

SingleInstanceGuard::Result SingleInstanceGuard::acquire()
{
    if (isHeld())
        return Result::Acquired;
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return Result::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::HeldByAnother : Result::Unavailable;
    }
    m_fd = fd;
    return Result::Acquired;
}

void SingleInstanceGuard::release()
{
    if (!isHeld())
        return;
    // The file stays: removing it could let a third process lock a new file
    // while a second one still holds the old, unlinked one.
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

} // namespace os
