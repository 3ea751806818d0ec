#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>

namespace vb {

// VB Currency: a signed 64-bit count of ten-thousandths. Conversions from
// double round halves to even, like VB's CCur; every overflow throws
// VbError(ErrOverflow).
class Currency {
public:
    constexpr Currency() = default;

    static Currency fromDouble(double value);
    static constexpr Currency fromRaw(qint64 tenThousandths) { return Currency(tenThousandths); }

    constexpr qint64 raw() const { return m_raw; }
    double toDouble() const;

    // VB CStr under the Spanish regional settings: "," decimal, no thousands
    // separator, no trailing decimal zeros ("1234,5", "0", "-6,01").
    QString toString() const;

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    // Exact, like VB's Currency * Integer (no trip through double).
    Currency operator*(qint64 factor) const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }

    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(qint64 raw) : m_raw(raw) {}

    qint64 m_raw = 0;
};

} // namespace vb
