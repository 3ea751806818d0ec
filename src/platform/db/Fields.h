#pragma once

#include "platform/db/Field.h"

#include <QString>
#include <memory>

namespace db {

class RecordsetData;

// The field collection of a recordset; names are matched without regard to
// letter case. An unknown name or index raises 3265.
class Fields {
public:
    int Count() const;
    Field operator[](int index) const;
    Field operator[](const QString& name) const;
    Field operator[](const char* name) const { return (*this)[QString::fromUtf8(name)]; }
    Field Item(int index) const { return (*this)[index]; }
    Field Item(const QString& name) const { return (*this)[name]; }
    // -1 when there is no field of that name.
    int indexOf(const QString& name) const;

private:
    friend class Recordset;
    explicit Fields(std::shared_ptr<RecordsetData> data) : m_data(std::move(data)) {}

    std::shared_ptr<RecordsetData> m_data;
};

} // namespace db
