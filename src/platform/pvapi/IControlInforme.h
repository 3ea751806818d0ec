#pragma once

#include <QString>

namespace PVAPI {

// What the error report needs of a report-engine control: its last error.
// The report engine's control implements it.
class IControlInforme {
public:
    virtual ~IControlInforme() = default;
    virtual long LastErrorNumber() const = 0;
    virtual QString LastErrorString() const = 0;
};

} // namespace PVAPI
