#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace PVAPI {

// One lock asked for: a whole table (no record key) or one record, the
// latter shared with other partial holders when `partial` is set.
struct LockRequest {
    QString table;
    std::optional<QString> record;
    bool partial = false;

    bool operator==(const LockRequest&) const = default;
};

// Table names are compared as Jet compares them, without letter case.
QString LockTableName(const QString& table);

// The record key of a row made of several columns: the columns' texts, each
// trimmed (VB's Str gives numbers a leading blank), without letter case (as
// Jet compares text keys) and escaped, joined with a separator, so that
// (1, 23) and (12, 3) never meet the way digits glued together would.
QString LockRecordKey(const QStringList& columns);

} // namespace PVAPI
