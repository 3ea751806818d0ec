#include "platform/db/TemporaryFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSysInfo>
#include <QtDebug>

#include <cerrno>
#include <signal.h>

namespace db {
namespace {

const QString kJournal = QStringLiteral("-journal");

// Written for an hour by nobody: no copy or compaction takes that long
// without writing.
constexpr qint64 kLegacyAgeSecs = 3600;

QString hostTag()
{
    QString host = QSysInfo::machineHostName();
    host.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

const QRegularExpression& ownedName()
{
    static const QRegularExpression re(QStringLiteral(R"(^\..+\.tmp[0-9a-f]{8}\.(\d+)@([A-Za-z0-9]+)(?:-journal)?$)"));
    return re;
}

// What earlier versions left: beside a database or in a backup folder, the
// copy under way (".Duzediv.mdb.nueva", its ".base") and the compaction file
// (".Duzediv.mdb.tmp1a2b3c4d"), alone or nested, and their journals.
const QRegularExpression& legacyName()
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\.[^/]+\.mdb(?:\.nueva(?:\.base)?(?:\.tmp[0-9a-f]{8})?|\.tmp[0-9a-f]{8})(?:-journal)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

bool processRuns(qint64 pid)
{
    if (pid <= 0 || pid != qint64(pid_t(pid)))
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool isStale(const QFileInfo& file)
{
    const auto owned = ownedName().match(file.fileName());
    if (owned.hasMatch())
        return owned.captured(2) == hostTag() && !processRuns(owned.captured(1).toLongLong());
    if (legacyName().match(file.fileName()).hasMatch())
        return file.lastModified().secsTo(QDateTime::currentDateTime()) > kLegacyAgeSecs;
    return false;
}

} // namespace

TemporaryFile::TemporaryFile(const QString& beside)
{
    const QFileInfo info(beside);
    m_path = info.dir().filePath(QStringLiteral(".%1.tmp%2.%3")
                                     .arg(info.fileName())
                                     .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                                     .arg(OwnerTag(QCoreApplication::applicationPid())));
}

TemporaryFile::~TemporaryFile()
{
    if (m_kept)
        return;
    QFile::remove(m_path);
    QFile::remove(m_path + kJournal);
}

QString TemporaryFile::OwnerTag(qint64 pid) { return QStringLiteral("%1@%2").arg(pid).arg(hostTag()); }

void TemporaryFile::RemoveStale(const QString& folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files) {
        if (!isStale(file))
            continue;
        if (QFile::remove(file.filePath()))
            qInfo().noquote() << "Removed a temporary file left by an interrupted run:" << file.filePath();
    }
}

} // namespace db
