#pragma once

#include <QProcess>

namespace testsupport {

// The pid of a process that has already ended: what a crashed program leaves
// in the names of the files it owned.
inline qint64 PidTerminado()
{
    QProcess proceso;
    proceso.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("read linea")});
    if (!proceso.waitForStarted())
        return 0;
    const qint64 pid = proceso.processId();
    proceso.closeWriteChannel();
    proceso.waitForFinished();
    return pid;
}

} // namespace testsupport
