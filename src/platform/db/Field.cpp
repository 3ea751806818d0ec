#include "platform/db/Field.h"

#include "platform/db/DataTypes.h"
#include "platform/db/DbErrors.h"
#include "platform/db/RecordsetData.h"

namespace db {

QString Field::name() const { return m_data->column(m_index).name; }

db::Value Field::Value() const
{
    if (!m_data->open)
        RaiseRecordset(err::ObjectClosed);
    if (m_data->position < 0 || m_data->position >= m_data->rowCount())
        RaiseRecordset(err::NoCurrentRecord);
    return m_data->valueAt(m_data->position, m_index);
}

int Field::Type() const { return m_data->column(m_index).ado; }

long Field::DefinedSize() const
{
    const auto& column = m_data->column(m_index);
    if (column.type.cls != JetType::Unknown)
        return column.type.size;
    switch (column.ado) {
    case adInteger: return 4;
    case adDouble: return 8;
    default: return 255;
    }
}

} // namespace db
