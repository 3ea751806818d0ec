#include "platform/vb/Format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace vb {
namespace {

constexpr int SignificantDigits = 15;

// A non-negative decimal number: digits with the decimal point after
// `point` of them (point may be negative or beyond the digits).
struct Decimal {
    std::string digits;
    int point = 0;
};

Decimal ToDecimal(double magnitude)
{
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string text(buffer.data(), result.ptr);
    const auto e = text.find('e');
    Decimal decimal;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            decimal.digits += text[i];
    }
    decimal.point = std::stoi(text.substr(e + 1)) + 1;
    return decimal;
}

// Keeps `decimals` digits after the point, halves away from zero.
void RoundTo(Decimal& decimal, int decimals)
{
    const int keep = decimal.point + decimals;
    if (keep >= static_cast<int>(decimal.digits.size()))
        return;
    if (keep < 0) {
        decimal.digits.clear();
        return;
    }
    const bool up = decimal.digits[static_cast<std::size_t>(keep)] >= '5';
    decimal.digits.resize(static_cast<std::size_t>(keep));
    if (!up)
        return;
    int i = keep - 1;
    while (i >= 0 && decimal.digits[static_cast<std::size_t>(i)] == '9')
        decimal.digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
        decimal.digits.insert(0, 1, '1');
        ++decimal.point;
    } else {
        ++decimal.digits[static_cast<std::size_t>(i)];
    }
}

struct Pattern {
    QString prefix;
    QString suffix;
    int minIntegerDigits = 0;
    bool grouping = false;
    int decimals = 0;
    int minDecimals = 0;
    bool hasPlaceholders = false;
};

bool IsPlaceholder(QChar c) { return c == u'0' || c == u'#' || c == u'.' || c == u','; }

Pattern ParsePattern(const QString& text)
{
    Pattern pattern;
    qsizetype first = 0;
    while (first < text.size() && !IsPlaceholder(text[first]))
        ++first;
    qsizetype last = text.size();
    while (last > first && !IsPlaceholder(text[last - 1]))
        --last;
    pattern.prefix = text.left(first);
    pattern.suffix = text.mid(last);
    bool inDecimals = false;
    for (qsizetype i = first; i < last; ++i) {
        const QChar c = text[i];
        if (c == u'.') {
            inDecimals = true;
        } else if (c == u',' && !inDecimals) {
            pattern.grouping = true;
        } else if (c == u'0' || c == u'#') {
            pattern.hasPlaceholders = true;
            if (!inDecimals) {
                pattern.minIntegerDigits += c == u'0' ? 1 : 0;
            } else {
                ++pattern.decimals;
                if (c == u'0')
                    pattern.minDecimals = pattern.decimals;
            }
        }
    }
    return pattern;
}

QString Grouped(const QString& digits)
{
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += u'.';
        out += digits[i];
    }
    return out;
}

} // namespace

QString FormatNumber(double value, const QString& patternText)
{
    const Pattern pattern = ParsePattern(patternText);
    if (!pattern.hasPlaceholders)
        return patternText.isEmpty() ? CStrDouble(value) : patternText;
    if (!std::isfinite(value))
        return CStrDouble(value);

    Decimal decimal = ToDecimal(std::fabs(value));
    RoundTo(decimal, pattern.decimals);

    const int size = static_cast<int>(decimal.digits.size());
    std::string whole;
    std::string fraction;
    for (int i = 0; i < decimal.point; ++i)
        whole += i < size ? decimal.digits[static_cast<std::size_t>(i)] : '0';
    for (int i = decimal.point; i < decimal.point + pattern.decimals; ++i)
        fraction += (i >= 0 && i < size) ? decimal.digits[static_cast<std::size_t>(i)] : '0';

    const bool isZero = decimal.digits.find_first_not_of('0') == std::string::npos;
    const auto firstSignificant = whole.find_first_not_of('0');
    whole = firstSignificant == std::string::npos ? std::string() : whole.substr(firstSignificant);
    if (static_cast<int>(whole.size()) < pattern.minIntegerDigits)
        whole.insert(0, static_cast<std::size_t>(pattern.minIntegerDigits) - whole.size(), '0');
    while (static_cast<int>(fraction.size()) > pattern.minDecimals && fraction.back() == '0')
        fraction.pop_back();

    QString wholeText = QString::fromLatin1(whole.data(), static_cast<qsizetype>(whole.size()));
    if (pattern.grouping)
        wholeText = Grouped(wholeText);
    QString text = (value < 0 && !isZero) ? QStringLiteral("-") : QString();
    text += pattern.prefix + wholeText;
    if (!fraction.empty())
        text += u',' + QString::fromLatin1(fraction.data(), static_cast<qsizetype>(fraction.size()));
    return text + pattern.suffix;
}

QString CStrDouble(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, SignificantDigits);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    text.replace(u'.', u',');
    text.replace(u'e', u'E');
    return text;
}

} // namespace vb
