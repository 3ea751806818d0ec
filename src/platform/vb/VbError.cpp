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

void ThrowInvalidCall(const QString& source)
{
    throw VbError(ErrInvalidCall, QStringLiteral("Llamada a procedimiento o argumento no válido"), source);
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
