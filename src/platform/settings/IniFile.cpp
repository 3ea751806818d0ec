#include "platform/settings/IniFile.h"

#include <QStringView>

namespace settings::ini {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexValue(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int OctValue(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

// One logical line from `pos`: blank lines and ";" comment lines are passed
// over, a quoted value may span lines, and a backslash before a line end
// continues the line. `equals` is the first "=" outside quotes (-1: none).
bool NextLine(QByteArrayView data, qsizetype& pos, QByteArrayView& line, qsizetype& equals)
{
    const qsizetype n = data.size();
    qsizetype start = pos;
    while (start < n && IsSpace(data[start]))
        ++start;
    qsizetype i = start;
    bool inQuotes = false;
    equals = -1;
    while (i < n) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && equals == -1)
                equals = i - 1 - start;
        } else if (c == '\n' || c == '\r') {
            if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < n) {
                const char escaped = data[i++];
                if (i < n && ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                // A comment line: the next line takes its place.
                while (i < n && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < n && IsSpace(data[i]))
                    ++i;
                start = i;
                equals = -1;
            } else if (!inQuotes) {
                // The rest of the line is a comment, read as such next time.
                --i;
                break;
            }
        }
    }
    pos = i;
    line = data.sliced(start, i - start);
    return !line.isEmpty();
}

// "%XX" and "%UXXXX" give one character, "\" separates the parts of a key.
QString UnescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    QString out;
    out.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size();) {
        const char16_t c = decoded[i].unicode();
        if (c == u'\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i + 1 >= decoded.size()) {
            out += QChar(c);
            ++i;
            continue;
        }
        const bool wide = decoded[i + 1] == u'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const int digits = wide ? 4 : 2;
        char16_t value = 0;
        bool ok = first + digits <= decoded.size();
        for (int d = 0; ok && d < digits; ++d) {
            const int h = HexValue(decoded[first + d].unicode());
            ok = h >= 0;
            value = char16_t(value * 16 + h);
        }
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += QChar(value);
        i = first + digits;
    }
    return out;
}

// The text of a value: quotes, backslash escapes and line continuations are
// resolved; blanks around an unquoted value are dropped.
QString UnescapedValue(QByteArrayView v)
{
    QString out;
    qsizetype i = 0;
    const qsizetype n = v.size();
    bool quoted = false;
    bool inQuotes = false;
    auto skipBlanks = [&] {
        while (i < n && IsBlank(v[i]))
            ++i;
    };
    skipBlanks();
    qsizetype keep = 0;
    while (i < n) {
        const char c = v[i];
        if (c == '\\') {
            if (++i >= n)
                break;
            const char e = v[i++];
            switch (e) {
            case 'a': out += u'\a'; break;
            case 'b': out += u'\b'; break;
            case 'f': out += u'\f'; break;
            case 'n': out += u'\n'; break;
            case 'r': out += u'\r'; break;
            case 't': out += u'\t'; break;
            case 'v': out += u'\v'; break;
            case '"': case '?': case '\'': case '\\': out += QLatin1Char(e); break;
            case 'x': {
                if (i < n && HexValue(char16_t(uchar(v[i]))) >= 0) {
                    char16_t value = 0;
                    while (i < n && HexValue(char16_t(uchar(v[i]))) >= 0)
                        value = char16_t(value * 16 + HexValue(char16_t(uchar(v[i++]))));
                    out += QChar(value);
                }
                break;
            }
            case '\n': case '\r':
                if (i < n && (v[i] == '\n' || v[i] == '\r') && v[i] != e)
                    ++i;
                break;
            default:
                if (OctValue(e) >= 0) {
                    char16_t value = char16_t(OctValue(e));
                    while (i < n && OctValue(v[i]) >= 0)
                        value = char16_t(value * 8 + OctValue(v[i++]));
                    out += QChar(value);
                }
                break;
            }
            keep = out.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                keep = out.size();
            }
        } else {
            qsizetype j = i + 1;
            while (j < n && v[j] != '\\' && v[j] != '"')
                ++j;
            out += QString::fromUtf8(v.sliced(i, j - i));
            i = j;
        }
    }
    if (!quoted) {
        qsizetype end = out.size();
        while (end > keep && (out[end - 1] == u' ' || out[end - 1] == u'\t'))
            --end;
        out.truncate(end);
    }
    return out;
}

void AppendHex(QByteArray& out, uint value)
{
    out += "\\x";
    out += QByteArray::number(value, 16);
}

bool IsHexDigit(char16_t c) { return HexValue(c) >= 0; }

void AppendEscapedKey(QByteArray& out, QStringView key)
{
    static const char digits[] = "0123456789ABCDEF";
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
                   || c == u'-' || c == u'.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += digits[(c >> shift) & 0xF];
        }
    }
}

void AppendEscapedValue(QByteArray& out, const QString& value)
{
    // A leading "@" would announce a typed value: it is doubled.
    const QString text = value.startsWith(u'@') ? QStringLiteral("@") + value : value;
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    QString plain;
    auto flush = [&] {
        out += plain.toUtf8();
        plain.clear();
    };
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u';' || c == u',' || c == u'=')
            needsQuotes = true;
        // A hex digit right after "\x.." would extend that escape.
        if (escapeNextIfHex && IsHexDigit(c)) {
            flush();
            AppendHex(out, c);
            continue;
        }
        escapeNextIfHex = false;
        const char* escape = nullptr;
        switch (c) {
        case u'\0': escape = "\\0"; escapeNextIfHex = true; break;
        case u'\a': escape = "\\a"; break;
        case u'\b': escape = "\\b"; break;
        case u'\f': escape = "\\f"; break;
        case u'\n': escape = "\\n"; break;
        case u'\r': escape = "\\r"; break;
        case u'\t': escape = "\\t"; break;
        case u'\v': escape = "\\v"; break;
        case u'"': escape = "\\\""; break;
        case u'\\': escape = "\\\\"; break;
        default: break;
        }
        if (escape) {
            flush();
            out += escape;
        } else if (c <= 0x1F) {
            flush();
            AppendHex(out, c);
            escapeNextIfHex = true;
        } else {
            plain += qc;
        }
    }
    flush();
    if (needsQuotes || (out.size() > start && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

} // namespace

Entries Parse(QByteArrayView data)
{
    Entries entries;
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    QString section;
    qsizetype pos = 0;
    QByteArrayView line;
    qsizetype equals = -1;
    while (NextLine(data, pos, line, equals)) {
        if (line.startsWith('[')) {
            qsizetype close = line.indexOf(']');
            if (close < 0)
                close = line.size();
            const QByteArrayView name = line.sliced(1, close - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                // QSettings writes a section "general" so, capitalised; the
                // store's names are case-folded.
                section = QStringLiteral("general/");
            else
                section = UnescapedKey(name) + u'/';
            continue;
        }
        if (equals < 0)
            continue;
        const QString key = section + UnescapedKey(line.first(equals).trimmed());
        QString value = UnescapedValue(line.sliced(equals + 1));
        if (value.startsWith(u'@')) {
            if (value == QLatin1String("@Invalid()"))
                continue;
            if (value.startsWith(QLatin1String("@@")))
                value.remove(0, 1);
            else if (value.startsWith(QLatin1String("@ByteArray(")) && value.endsWith(u')'))
                value = value.mid(11, value.size() - 12);
        }
        entries.insert(key, value);
    }
    return entries;
}

QByteArray Serialize(const Entries& entries)
{
    QByteArray out;
    QString current;
    bool first = true;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const QString& key = it.key();
        const qsizetype slash = key.indexOf(u'/');
        const QString section = slash < 0 ? QString() : key.left(slash);
        if (first || section != current) {
            if (!first)
                out += '\n';
            if (section.isEmpty()) {
                out += "[General]";
            } else {
                out += '[';
                // "[General]" is the section of keys without one.
                if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
                    out += '%';
                AppendEscapedKey(out, section);
                out += ']';
            }
            out += '\n';
            current = section;
            first = false;
        }
        AppendEscapedKey(out, QStringView(key).sliced(slash + 1));
        out += '=';
        AppendEscapedValue(out, it.value());
        out += '\n';
    }
    return out;
}

} // namespace settings::ini
