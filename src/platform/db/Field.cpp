#include "platform/db/Field.h"

#include "platform/db/DbErrors.h"
#include "platform/db/RecordsetData.h"

namespace db {

QString Field::name() const { return m_data->columns[std::size_t(m_index)].name; }

db::Value Field::Value() const
{
    if (!m_data->open)
        Raise(err::ObjectClosed, {}, {}, QString::fromUtf16(kRecordsetSource));
    if (m_data->position < 0 || m_data->position >= m_data->rowCount())
        Raise(err::NoCurrentRecord, {}, {}, QString::fromUtf16(kRecordsetSource));
    return m_data->valueAt(m_data->position, m_index);
}

int Field::Type() const { return m_data->columns[std::size_t(m_index)].ado; }

long Field::DefinedSize() const
{
    const auto& column = m_data->columns[std::size_t(m_index)];
    if (column.type.cls != JetType::Unknown)
        return column.type.size;
    switch (column.ado) {
    case 3: return 4;
    case 5: return 8;
    default: return 255;
    }
}

} // namespace db
