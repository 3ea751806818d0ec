#include "platform/db/Value.h"

#include "platform/db/DbErrors.h"
#include "platform/vb/Format.h"
#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"

#include <cmath>
#include <limits>

namespace db {
namespace {

[[noreturn]] void invalidNull() { throw vb::VbError(err::InvalidUseOfNull, Description(err::InvalidUseOfNull)); }

double textNumber(const QString& s)
{
    const QString t = s.trimmed();
    if (t.compare(QLatin1String("Verdadero"), Qt::CaseInsensitive) == 0 || t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return -1;
    if (t.compare(QLatin1String("Falso"), Qt::CaseInsensitive) == 0 || t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return 0;
    return vb::CDblEs(t);
}

} // namespace

QString Value::toString() const
{
    switch (type()) {
    case Kind::Null: return {};
    case Kind::Integer: return QString::number(std::get<qint64>(m_data));
    case Kind::Double: return vb::CStrDouble(std::get<double>(m_data));
    case Kind::Currency: return std::get<vb::Currency>(m_data).toString();
    case Kind::Boolean: return std::get<bool>(m_data) ? QStringLiteral("Verdadero") : QStringLiteral("Falso");
    case Kind::Text: return std::get<QString>(m_data);
    case Kind::Binary: return QString::fromLatin1(std::get<QByteArray>(m_data));
    }
    return {};
}

double Value::toDouble() const
{
    switch (type()) {
    case Kind::Null: invalidNull();
    case Kind::Integer: return double(std::get<qint64>(m_data));
    case Kind::Double: return std::get<double>(m_data);
    case Kind::Currency: return std::get<vb::Currency>(m_data).toDouble();
    case Kind::Boolean: return std::get<bool>(m_data) ? -1.0 : 0.0;
    case Kind::Text: return textNumber(std::get<QString>(m_data));
    case Kind::Binary: vb::ThrowTypeMismatch();
    }
    return 0;
}

qint64 Value::toInt64() const
{
    if (type() == Kind::Integer)
        return std::get<qint64>(m_data);
    const double d = vb::RoundHalfEven(toDouble());
    if (!(d >= -9.2233720368547758e18 && d < 9.2233720368547758e18))
        vb::ThrowOverflow();
    return qint64(d);
}

vb::Currency Value::toCurrency() const
{
    switch (type()) {
    case Kind::Currency: return std::get<vb::Currency>(m_data);
    case Kind::Integer: {
        const qint64 i = std::get<qint64>(m_data);
        if (i > std::numeric_limits<qint64>::max() / 10000 || i < std::numeric_limits<qint64>::min() / 10000)
            vb::ThrowOverflow();
        return vb::Currency::fromRaw(i * 10000);
    }
    default: return vb::Currency::fromDouble(toDouble());
    }
}

bool Value::toBool() const
{
    switch (type()) {
    case Kind::Boolean: return std::get<bool>(m_data);
    case Kind::Integer: return std::get<qint64>(m_data) != 0;
    default: return toDouble() != 0.0;
    }
}

QByteArray Value::toBytes() const
{
    if (type() == Kind::Binary)
        return std::get<QByteArray>(m_data);
    return {};
}

} // namespace db
