#include "platform/os/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace os {
namespace {

bool IsSeparator(QChar c) { return c == u'/' || c == u'\\'; }

QString WithoutTrailingSeparators(QString path)
{
    while (path.size() > 1 && IsSeparator(path.back()))
        path.chop(1);
    return path;
}

// Index of the last "/" or "\", -1 when there is none.
qsizetype LastSeparator(const QString& path)
{
    return qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

QString FindEntry(const QString& folder, const QString& entry)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (QFileInfo::exists(dir.filePath(entry)))
        return entry;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& candidate : entries) {
        if (candidate.compare(entry, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return {};
}

} // namespace

QString AppPath()
{
    const QString fromEnvironment = qEnvironmentVariable("DUZEDIV_APP_PATH");
    if (!fromEnvironment.isEmpty())
        return WithoutTrailingSeparators(NormalizeSeparators(fromEnvironment));
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString NormalizeSeparators(const QString& path)
{
    QString out = path;
    out.replace(u'\\', u'/');
    return out;
}

QString JoinPath(const QString& folder, const QString& name)
{
    QString left = NormalizeSeparators(folder);
    QString right = NormalizeSeparators(name);
    if (left.isEmpty())
        return right;
    if (right.isEmpty())
        return left;
    left = WithoutTrailingSeparators(left);
    while (right.startsWith(u'/'))
        right.remove(0, 1);
    return left.endsWith(u'/') ? left + right : left + u'/' + right;
}

QString FolderOf(const QString& path)
{
    const qsizetype separator = LastSeparator(path);
    return separator < 0 ? QString() : NormalizeSeparators(path.left(separator));
}

QString FileNameOf(const QString& path) { return path.mid(LastSeparator(path) + 1); }

QString FindFileCaseInsensitive(const QString& folder, const QString& name)
{
    const QStringList parts = NormalizeSeparators(name).split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    QString current = NormalizeSeparators(folder);
    for (const QString& part : parts) {
        const QString found = FindEntry(current, part);
        if (found.isEmpty())
            return {};
        current = JoinPath(current, found);
    }
    return current;
}

QString AppFile(const QString& name)
{
    const QString folder = AppPath();
    const QString found = FindFileCaseInsensitive(folder, name);
    return found.isEmpty() ? JoinPath(folder, name) : found;
}

} // namespace os
