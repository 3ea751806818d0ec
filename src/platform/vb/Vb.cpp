#include "platform/vb/Vb.h"

#include "platform/vb/VbError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace vb {
namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int DigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Converts an ASCII number "[-]digits[.digits][e[-]digits]" to double,
// independently of the C locale (the application may run under es_ES).
double ToDouble(const std::string& number)
{
    double value = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Only a huge magnitude is an overflow; a tiny one is zero.
        const auto e = number.find('e');
        if (e != std::string::npos && e + 1 < number.size() && number[e + 1] == '-')
            return 0.0;
        ThrowOverflow();
    }
    if (ec != std::errc() || end != last)
        return 0.0;
    return value;
}

// Reads "&H..." / "&O..." / "&..." starting at `text[pos]` == '&'. Returns the
// value and leaves `pos` after the last digit read; nullopt without digits.
std::optional<double> ReadRadixNumber(const QString& text, qsizetype& pos)
{
    qsizetype i = pos + 1;
    int radix = 8;
    if (i < text.size() && (text[i] == u'H' || text[i] == u'h')) {
        radix = 16;
        ++i;
    } else if (i < text.size() && (text[i] == u'O' || text[i] == u'o')) {
        ++i;
    }
    quint64 value = 0;
    bool any = false;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + static_cast<quint64>(digit);
        if (value > 0xFFFFFFFFull)
            ThrowOverflow();
        any = true;
    }
    if (!any)
        return std::nullopt;
    pos = i;
    if (value <= 0xFFFF)
        return static_cast<double>(static_cast<qint16>(static_cast<quint16>(value)));
    return static_cast<double>(static_cast<qint32>(static_cast<quint32>(value)));
}

void Append(std::string& number, QChar c) { number += static_cast<char>(c.unicode()); }

// Reads an exponent ("E" or "D", optional sign, digits) at text[i], appends
// it to `number` as "e..." and returns the position after it; returns i
// unchanged when no complete exponent is there.
qsizetype ReadExponent(const QString& text, qsizetype i, std::string& number)
{
    if (i >= text.size() || !QStringLiteral("eEdD").contains(text[i]))
        return i;
    std::string exponent = "e";
    qsizetype j = i + 1;
    if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
        Append(exponent, text[j++]);
    const qsizetype firstDigit = j;
    for (; j < text.size() && IsDigit(text[j]); ++j)
        Append(exponent, text[j]);
    if (j == firstDigit)
        return i;
    number += exponent;
    return j;
}

QString WithoutValBlanks(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            out.append(c);
    }
    return out;
}

// Parses a whole text in the Spanish regional format (see IsNumeric).
std::optional<double> ParseRegional(const QString& input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    if (text[0] == u'&') {
        auto value = ReadRadixNumber(text, i);
        if (!value || i != text.size())
            return std::nullopt;
        return value;
    }
    std::string number;
    if (text[i] == u'+' || text[i] == u'-')
        Append(number, text[i++]);
    bool digits = false;
    // "." groups thousands: it may follow any digit of the whole part.
    for (; i < text.size() && (IsDigit(text[i]) || (text[i] == u'.' && i > 0 && IsDigit(text[i - 1]))); ++i) {
        if (IsDigit(text[i])) {
            Append(number, text[i]);
            digits = true;
        }
    }
    if (i < text.size() && text[i] == u',') {
        number += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            Append(number, text[i]);
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    i = ReadExponent(text, i, number);
    if (i != text.size())
        return std::nullopt;
    return ToDouble(number);
}

} // namespace

double Val(const QString& input)
{
    const QString text = WithoutValBlanks(input);
    qsizetype i = 0;
    if (!text.isEmpty() && text[0] == u'&')
        return ReadRadixNumber(text, i).value_or(0.0);
    std::string number;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        Append(number, text[i++]);
    bool digits = false;
    bool point = false;
    for (; i < text.size() && (IsDigit(text[i]) || (text[i] == u'.' && !point)); ++i) {
        Append(number, text[i]);
        digits = digits || IsDigit(text[i]);
        point = point || text[i] == u'.';
    }
    if (!digits)
        return 0.0;
    ReadExponent(text, i, number);
    return ToDouble(number);
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {

template <typename Int>
Int RoundToInteger(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!std::isfinite(rounded)
        || rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        ThrowOverflow();
    return static_cast<Int>(rounded);
}

} // namespace

qint16 CInt(double value) { return RoundToInteger<qint16>(value); }

qint32 CLng(double value) { return RoundToInteger<qint32>(value); }

bool IsNumeric(const QString& text)
{
    // A number too large for a double is not numeric: callers convert right
    // after asking, and the conversion must not fail then.
    try {
        return ParseRegional(text).has_value();
    } catch (const VbError&) {
        return false;
    }
}

double CDblEs(const QString& text)
{
    const auto value = ParseRegional(text);
    if (!value)
        ThrowTypeMismatch();
    return *value;
}

} // namespace vb
