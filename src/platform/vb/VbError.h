#pragma once

#include "platform/vb/ErrObject.h"

#include <QByteArray>
#include <QString>
#include <exception>

namespace vb {

// Exception carrying a VB-style error: number, description, source.
class VbError : public std::exception {
public:
    VbError(long number, QString description, QString source = {});

    long number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    long m_number;
    QString m_description;
    QString m_source;
    QByteArray m_what;
};

// Common VB error numbers used across the program.
inline constexpr long ErrInvalidCall = 5;     // "Llamada a procedimiento o argumento no válido"
inline constexpr long ErrOverflow = 6;        // "Desbordamiento"
inline constexpr long ErrTypeMismatch = 13;   // "No coinciden los tipos"

// Throws the invalid-call error with its usual Spanish description.
[[noreturn]] void ThrowInvalidCall(const QString& source = {});
// Throws the overflow error with its usual Spanish description.
[[noreturn]] void ThrowOverflow(const QString& source = {});
// Throws the type-mismatch error with its usual Spanish description.
[[noreturn]] void ThrowTypeMismatch(const QString& source = {});

} // namespace vb
