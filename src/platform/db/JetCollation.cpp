#include "platform/db/JetCollation.h"

#include <QChar>
#include <QString>
#include <algorithm>
#include <array>
#include <vector>

namespace db {
namespace {

// Weight ranges: ASCII punctuation and blanks < other symbols < digits <
// Latin letters (ñ right after n) < letters of other scripts.
constexpr std::uint32_t kSymbolBase = 0x100;
constexpr std::uint32_t kDigitBase = 0x200000;
constexpr std::uint32_t kLetterBase = 0x300000;
constexpr std::uint32_t kOtherLetterBase = 0x400000;
constexpr char32_t kTableEnd = 0x250; // Latin-1 and Latin Extended-A/B

constexpr std::uint32_t letterWeight(char c) { return kLetterBase + std::uint32_t(c - 'a') * 2; }
constexpr std::uint32_t kEnyeWeight = letterWeight('n') + 1;

struct WeightTable {
    std::array<std::uint32_t, kTableEnd> w{};

    WeightTable()
    {
        for (char32_t cp = 0; cp < kTableEnd; ++cp)
            w[cp] = computeSlow(cp);
    }

    static std::uint32_t computeSlow(char32_t cp)
    {
        if (cp >= '0' && cp <= '9')
            return kDigitBase + (cp - '0');
        if (cp >= 'a' && cp <= 'z')
            return letterWeight(char(cp));
        if (cp >= 'A' && cp <= 'Z')
            return letterWeight(char(cp - 'A' + 'a'));
        if (cp < 0x80)
            return cp;
        if (cp == 0xF1 || cp == 0xD1) // ñ Ñ
            return kEnyeWeight;
        if (cp == 0xDF) // ß sorts with s
            return letterWeight('s');
        const QChar ch{char16_t(cp)};
        if (ch.isLetter()) {
            const QString decomposed = ch.decomposition();
            if (!decomposed.isEmpty()) {
                const char16_t base = decomposed.at(0).toLower().unicode();
                if (base >= u'a' && base <= u'z')
                    return letterWeight(char(base));
            }
            const char16_t lower = ch.toLower().unicode();
            if (lower >= u'a' && lower <= u'z')
                return letterWeight(char(lower));
            return kOtherLetterBase + cp;
        }
        return kSymbolBase + cp;
    }
};

const WeightTable& table()
{
    static const WeightTable t;
    return t;
}

std::uint32_t weightOf(char32_t cp)
{
    if (cp < kTableEnd)
        return table().w[cp];
    if (cp <= 0xFFFF) {
        const QChar ch{char16_t(cp)};
        if (ch.isLetter()) {
            const QString decomposed = ch.decomposition();
            if (!decomposed.isEmpty() && decomposed.at(0).unicode() < kTableEnd)
                return table().w[decomposed.at(0).unicode()];
            return kOtherLetterBase + cp;
        }
    }
    return kSymbolBase + cp;
}

// Decodes one UTF-8 sequence at s[i] and advances i. Invalid bytes are taken
// one by one as their own code points so that any text still orders.
char32_t decode(std::string_view s, std::size_t& i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) { extra = 1; cp = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { extra = 2; cp = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { extra = 3; cp = b0 & 0x07; }
    else { ++i; return b0; }
    if (i + extra >= s.size()) {
        ++i;
        return b0;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return b0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += extra + 1;
    return cp;
}

void weights(std::string_view s, std::vector<std::uint32_t>& out)
{
    out.clear();
    out.reserve(s.size());
    const auto& t = table();
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out.push_back(t.w[b]);
            ++i;
        } else {
            out.push_back(weightOf(decode(s, i)));
        }
    }
}

} // namespace

int JetCollation::compare(std::string_view a, std::string_view b)
{
    const auto& t = table();
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        std::uint32_t wa;
        std::uint32_t wb;
        if (ca < 0x80 && cb < 0x80) {
            ++i;
            ++j;
            if (ca == cb)
                continue;
            wa = t.w[ca];
            wb = t.w[cb];
        } else {
            wa = ca < 0x80 ? (++i, t.w[ca]) : weightOf(decode(a, i));
            wb = cb < 0x80 ? (++j, t.w[cb]) : weightOf(decode(b, j));
        }
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

bool JetCollation::like(std::string_view pattern, std::string_view text) { return LikePattern(pattern).matches(text); }

JetCollation::LikePattern::LikePattern(std::string_view pattern)
{
    for (std::size_t i = 0; i < pattern.size();) {
        const char32_t cp = decode(pattern, i);
        Char pc;
        switch (cp) {
        case '*':
        case '%': pc.kind = Char::AnyRun; break;
        case '?':
        case '_': pc.kind = Char::AnyOne; break;
        case '#': pc.kind = Char::Digit; break;
        case '[': {
            // A "[" without its "]" is taken literally.
            const std::size_t close = pattern.find(']', i);
            if (close == std::string_view::npos) {
                pc.weight = weightOf(cp);
                break;
            }
            pc.kind = Char::Set;
            std::size_t j = i;
            if (j < close && pattern[j] == '!') {
                pc.negated = true;
                ++j;
            }
            while (j < close) {
                const std::uint32_t lo = weightOf(decode(pattern, j));
                std::uint32_t hi = lo;
                if (j + 1 < close && pattern[j] == '-') {
                    ++j;
                    hi = weightOf(decode(pattern, j));
                }
                pc.ranges.emplace_back(std::min(lo, hi), std::max(lo, hi));
            }
            i = close + 1;
            break;
        }
        default: pc.weight = weightOf(cp); break;
        }
        m_chars.push_back(std::move(pc));
    }
}

bool JetCollation::LikePattern::matchOne(const Char& p, std::uint32_t w)
{
    switch (p.kind) {
    case Char::Literal: return p.weight == w;
    case Char::AnyOne: return true;
    case Char::Digit: return w >= kDigitBase && w <= kDigitBase + 9;
    case Char::Set: {
        bool in = false;
        for (const auto& [lo, hi] : p.ranges)
            if (w >= lo && w <= hi) {
                in = true;
                break;
            }
        return in != p.negated;
    }
    case Char::AnyRun: break;
    }
    return false;
}

bool JetCollation::LikePattern::matches(std::string_view text) const
{
    const std::vector<Char>& p = m_chars;
    std::vector<std::uint32_t> t;
    weights(text, t);

    // Greedy matching with backtracking to the last "*".
    std::size_t pi = 0;
    std::size_t ti = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starT = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi].kind == Char::AnyRun) {
            starP = pi++;
            starT = ti;
        } else if (pi < p.size() && matchOne(p[pi], t[ti])) {
            ++pi;
            ++ti;
        } else if (starP != std::string_view::npos) {
            pi = starP + 1;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi].kind == Char::AnyRun)
        ++pi;
    return pi == p.size();
}

} // namespace db
