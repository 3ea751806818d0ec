#include "platform/locks/LockRequest.h"

namespace PVAPI {

QString LockTableName(const QString& table)
{
    return table.trimmed().toCaseFolded();
}

namespace {

constexpr QChar Separator(0x1F);
constexpr QChar Escape(0x1B);

} // namespace

QString LockRecordKey(const QStringList& columns)
{
    QStringList escaped;
    escaped.reserve(columns.size());
    for (QString column : columns) {
        column = column.trimmed().toCaseFolded();
        column.replace(Escape, QString(2, Escape));
        column.replace(Separator, QString(Escape) + Separator);
        escaped << column;
    }
    return escaped.join(Separator);
}

} // namespace PVAPI
