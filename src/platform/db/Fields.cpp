#include "platform/db/Fields.h"

#include "platform/db/DbErrors.h"
#include "platform/db/RecordsetData.h"

namespace db {

int Fields::Count() const { return m_data->columnCount(); }

int Fields::indexOf(const QString& name) const { return m_data->indexOf(name); }

Field Fields::operator[](int index) const
{
    if (index < 0 || index >= m_data->columnCount())
        RaiseRecordset(err::ItemNotFound);
    return Field(m_data, index);
}

Field Fields::operator[](const QString& name) const
{
    const int index = m_data->indexOf(name);
    if (index < 0)
        RaiseRecordset(err::ItemNotFound);
    return Field(m_data, index);
}

} // namespace db
