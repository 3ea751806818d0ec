#include "platform/vb/VbError.h"

#include <utility>

namespace vb {

VbError::VbError(long number, QString description, QString source)
    : m_number(number)
    , m_description(std::move(description))
    , m_source(std::move(source))
    , m_what(m_description.toUtf8())
{
}

void ThrowOverflow(const QString& source)
{
    throw VbError(ErrOverflow, QStringLiteral("Desbordamiento"), source);
}

void ThrowTypeMismatch(const QString& source)
{
    throw VbError(ErrTypeMismatch, QStringLiteral("No coinciden los tipos"), source);
}

} // namespace vb
