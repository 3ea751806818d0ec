#include "platform/vb/ErrObject.h"

#include "platform/vb/VbError.h"

#include <new>

namespace vb {

void ErrObject::Clear()
{
    Number = 0;
    Description.clear();
    Source.clear();
}

void ErrObject::Set(const VbError& error)
{
    Set(error.number(), error.description(), error.source());
}

void ErrObject::Set(long number, const QString& description, const QString& source)
{
    Number = number;
    Description = description;
    Source = source;
}

void ErrObject::SetFromException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const VbError& e) {
        Set(e);
    } catch (const std::bad_alloc&) {
        Set(ErrOutOfMemory, QStringLiteral("Memoria insuficiente"));
    } catch (const std::exception& e) {
        const QString text = QString::fromUtf8(e.what());
        Set(ErrInternal, text.isEmpty() ? QStringLiteral("Error interno") : text);
    } catch (...) {
        Set(ErrInternal, QStringLiteral("Error interno"));
    }
}

ErrObject& Err()
{
    static ErrObject current;
    return current;
}

} // namespace vb
