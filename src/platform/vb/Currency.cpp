#include "platform/vb/Currency.h"

#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"

#include <QtNumeric>

#include <cmath>
#include <limits>

namespace vb {

namespace {
constexpr qint64 Scale = 10000;
// 2^63 as a double: the first value that no longer fits a qint64.
constexpr double Limit = 9223372036854775808.0;
} // namespace

Currency Currency::fromDouble(double value)
{
    const double scaled = RoundHalfEven(value * Scale);
    if (!std::isfinite(scaled) || scaled >= Limit || scaled < -Limit)
        ThrowOverflow();
    return Currency(static_cast<qint64>(scaled));
}

double Currency::toDouble() const
{
    // Split so that large amounts keep every digit the double can hold.
    return static_cast<double>(m_raw / Scale) + static_cast<double>(m_raw % Scale) / Scale;
}

QString Currency::toString() const
{
    const bool negative = m_raw < 0;
    // Work on the magnitude as unsigned so that the minimum value is safe.
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(m_raw) : static_cast<quint64>(m_raw);
    QString text = QString::number(magnitude / Scale);
    QString decimals = QStringLiteral("%1").arg(magnitude % Scale, 4, 10, QLatin1Char('0'));
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    if (!decimals.isEmpty())
        text += u',' + decimals;
    return negative ? u'-' + text : text;
}

Currency Currency::operator+(Currency other) const
{
    qint64 sum = 0;
    if (qAddOverflow(m_raw, other.m_raw, &sum))
        ThrowOverflow();
    return Currency(sum);
}

Currency Currency::operator-(Currency other) const
{
    qint64 difference = 0;
    if (qSubOverflow(m_raw, other.m_raw, &difference))
        ThrowOverflow();
    return Currency(difference);
}

Currency Currency::operator*(qint64 factor) const
{
    qint64 product = 0;
    if (qMulOverflow(m_raw, factor, &product))
        ThrowOverflow();
    return Currency(product);
}

Currency Currency::operator-() const
{
    if (m_raw == std::numeric_limits<qint64>::min())
        ThrowOverflow();
    return Currency(-m_raw);
}

} // namespace vb
