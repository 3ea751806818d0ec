#pragma once

#include <QString>
#include <exception>

namespace vb {

class VbError;

// The process-wide current error (VB's Err object): set by the handler
// wrapper when something fails and read by the error reporter.
struct ErrObject {
    long Number = 0;
    QString Description;
    QString Source;

    void Clear();
    void Set(const VbError& error);
    void Set(long number, const QString& description, const QString& source = {});
    // Takes number and description from any exception: a VbError as it is,
    // std::bad_alloc as error 7, anything else as error 51 with its text.
    void SetFromException(std::exception_ptr error);
};

inline constexpr long ErrOutOfMemory = 7;  // "Memoria insuficiente"
inline constexpr long ErrInternal = 51;    // "Error interno"

ErrObject& Err();

} // namespace vb
