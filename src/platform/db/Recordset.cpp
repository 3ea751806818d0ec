#include "platform/db/Recordset.h"

#include "platform/db/ConnectionImpl.h"
#include "platform/db/DbErrors.h"
#include "platform/db/RecordsetData.h"

#include <algorithm>
#include <cmath>

namespace db {

Recordset::Recordset() = default;

Recordset::Recordset(std::shared_ptr<RecordsetData> data) : m_data(std::move(data)) {}

RecordsetData& Recordset::openData() const
{
    if (!m_data || !m_data->open)
        RaiseRecordset(err::ObjectClosed);
    return *m_data;
}

ObjectState Recordset::State() const { return m_data && m_data->open ? ObjectState::Open : ObjectState::Closed; }

bool Recordset::EOF_() const
{
    const RecordsetData& d = openData();
    return d.position >= d.rowCount();
}

bool Recordset::BOF() const
{
    const RecordsetData& d = openData();
    return d.position < 0 || d.rowCount() == 0;
}

void Recordset::MoveFirst()
{
    RecordsetData& d = openData();
    if (d.rowCount() == 0)
        RaiseRecordset(err::NoCurrentRecord);
    d.position = 0;
}

void Recordset::MoveLast()
{
    RecordsetData& d = openData();
    if (d.rowCount() == 0)
        RaiseRecordset(err::NoCurrentRecord);
    d.position = d.rowCount() - 1;
}

void Recordset::MoveNext()
{
    RecordsetData& d = openData();
    if (d.position >= d.rowCount())
        RaiseRecordset(err::NoCurrentRecord);
    ++d.position;
}

void Recordset::MovePrevious()
{
    RecordsetData& d = openData();
    if (d.position < 0 || d.rowCount() == 0)
        RaiseRecordset(err::NoCurrentRecord);
    --d.position;
}

void Recordset::Move(long n)
{
    RecordsetData& d = openData();
    if (n == 0)
        return;
    if ((n > 0 && d.position >= d.rowCount()) || (n < 0 && d.position < 0))
        RaiseRecordset(err::NoCurrentRecord);
    const long target = d.position + n;
    d.position = target < 0 ? -1 : std::min(target, d.rowCount());
}

long Recordset::AbsolutePosition() const
{
    const RecordsetData& d = openData();
    if (d.rowCount() == 0)
        return adPosUnknown;
    if (d.position < 0)
        return adPosBOF;
    if (d.position >= d.rowCount())
        return adPosEOF;
    return d.position + 1;
}

void Recordset::setAbsolutePosition(long position)
{
    RecordsetData& d = openData();
    if (position < 1 || position > d.rowCount())
        RaiseRecordset(3001);
    d.position = position - 1;
}

long Recordset::RecordCount() const { return openData().rowCount(); }

RowBlock AllRows(Recordset rs)
{
    return rs.RecordCount() > 0 ? rs.GetRows(-1, 1) : RowBlock();
}

RowBlock Recordset::GetRows(long rows, double start)
{
    RecordsetData& d = openData();
    if (start != 0) {
        const long position = long(std::llround(start));
        if (position < 1 || position > d.rowCount())
            RaiseRecordset(3001);
        d.position = position - 1;
    }
    if (d.position < 0 || d.position >= d.rowCount())
        RaiseRecordset(err::NoCurrentRecord);
    const long available = d.rowCount() - d.position;
    const long count = rows < 0 ? available : std::min(rows, available);
    RowBlock block;
    block.m_fields = d.columnCount();
    block.m_values.reserve(std::size_t(count) * std::size_t(block.m_fields));
    d.appendRows(d.position, count, block.m_values);
    d.position += count;
    return block;
}

void Recordset::Requery()
{
    RecordsetData& d = openData();
    const auto connection = d.connection.lock();
    if (!connection)
        RaiseRecordset(err::ConnectionClosed);
    connection->requery(d);
}

void Recordset::Close()
{
    openData().open = false;
}

db::Fields Recordset::Fields() const
{
    openData();
    return db::Fields(m_data);
}

QString Recordset::Source() const { return openData().source; }

} // namespace db
