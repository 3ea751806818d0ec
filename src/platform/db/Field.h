#pragma once

#include "platform/db/Value.h"

#include <QString>
#include <memory>

namespace db {

class RecordsetData;

// One column of a recordset, read at the recordset's current record.
// A light handle: it stays valid as long as its recordset does.
class Field {
public:
    QString name() const;
    QString Name() const { return name(); }
    // The value at the current record; raises 3021 at BOF/EOF.
    db::Value Value() const;
    // ADO DataTypeEnum code derived from the declared column type.
    int Type() const;
    // Declared width for text columns, storage size for the others.
    long DefinedSize() const;

private:
    friend class Fields;
    Field(std::shared_ptr<RecordsetData> data, int index) : m_data(std::move(data)), m_index(index) {}

    std::shared_ptr<RecordsetData> m_data;
    int m_index = 0;
};

} // namespace db
