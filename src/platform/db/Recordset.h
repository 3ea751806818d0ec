#pragma once

#include "platform/db/DataTypes.h"
#include "platform/db/Fields.h"
#include "platform/db/Value.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace db {

class RecordsetData;

// A block of records read by GetRows, addressed (field, record) as the old
// two-dimensional array was.
class RowBlock {
public:
    RowBlock() = default;
    // `values` record by record, `fields` values each.
    RowBlock(int fields, std::vector<Value> values) : m_fields(fields), m_values(std::move(values)) {}

    int FieldCount() const { return m_fields; }
    int RecordCount() const { return m_fields ? int(m_values.size() / m_fields) : 0; }
    const Value& operator()(int field, int record) const { return m_values[std::size_t(record) * m_fields + field]; }

private:
    friend class Recordset;
    int m_fields = 0;
    std::vector<Value> m_values;
};

// Client-side, read-only recordset: every row is read when it opens, so the
// record count is exact and later changes on the same connection do not
// disturb it. Copies share one cursor, as references to one ADO object do.
class Recordset {
public:
    // Special AbsolutePosition values (ADO PositionEnum).
    static constexpr long adPosUnknown = -1;
    static constexpr long adPosBOF = -2;
    static constexpr long adPosEOF = -3;

    Recordset();

    ObjectState State() const;
    bool isOpen() const { return State() == ObjectState::Open; }

    bool EOF_() const;
    bool isEOF() const { return EOF_(); }
    bool BOF() const;

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Moves n records from the current one (n may be negative); past either
    // end the cursor stops at BOF or EOF.
    void Move(long n);

    // 1-based position of the current record, or adPosBOF / adPosEOF.
    long AbsolutePosition() const;
    void setAbsolutePosition(long position);
    long RecordCount() const;

    // Reads up to `rows` records (all remaining when rows < 0) starting at
    // the record whose 1-based position is `start` (0: the current record).
    // The cursor ends on the record after the last one read, or EOF.
    RowBlock GetRows(long rows = -1, double start = 0);

    // Runs the same statement again and moves to the first record.
    void Requery();
    void Close();

    db::Fields Fields() const;
    Field operator[](int index) const { return Fields()[index]; }
    Field operator[](const QString& name) const { return Fields()[name]; }
    Field operator[](const char* name) const { return Fields()[QString::fromUtf8(name)]; }
    // Shortcut for Fields()[name].Value().
    Value value(const QString& name) const { return Fields()[name].Value(); }
    Value value(int index) const { return Fields()[index].Value(); }

    // The Jet SQL the recordset was opened with.
    QString Source() const;

private:
    friend class ConnectionImpl;
    explicit Recordset(std::shared_ptr<RecordsetData> data);
    RecordsetData& openData() const;

    std::shared_ptr<RecordsetData> m_data;
};

// Every record of an open recordset, an empty block when it has none
// (GetRows raises on an empty recordset, as ADO does).
RowBlock AllRows(Recordset rs);

} // namespace db
