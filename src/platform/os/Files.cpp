#include "platform/os/Files.h"

#include <QFile>
#include <QFileInfo>

namespace os {

bool IsReadOnly(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

bool ClearReadOnly(const QString& path)
{
    if (!IsReadOnly(path))
        return true;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return !IsReadOnly(path);
}

} // namespace os
