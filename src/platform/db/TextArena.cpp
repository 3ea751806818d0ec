#include "platform/db/TextArena.h"

#include <algorithm>

namespace db {
namespace {

// Decodes UTF-8 that is plainly valid, which is what the database holds; on
// anything else (a bad or cut sequence, a surrogate, a noncharacter, a BOM)
// it gives up with nullptr and Qt's decoder, whose result is the reference,
// does the whole text. Qt's decoder is made for long texts: on the short
// cells of a page its set-up costs more than the decoding itself.
char16_t* decodePlainUtf8(const unsigned char* p, const unsigned char* end, char16_t* out)
{
    const auto continuation = [](unsigned char b) { return (b & 0xC0) == 0x80; };
    while (p < end) {
        const unsigned c = *p;
        if (c < 0x80) {
            *out++ = char16_t(c);
            ++p;
        } else if (c >= 0xC2 && c <= 0xDF) {
            if (end - p < 2 || !continuation(p[1]))
                return nullptr;
            *out++ = char16_t(((c & 0x1F) << 6) | (p[1] & 0x3F));
            p += 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            if (end - p < 3 || !continuation(p[1]) || !continuation(p[2]))
                return nullptr;
            const unsigned u = ((c & 0x0F) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
            if (u < 0x800 || (u >= 0xD800 && u <= 0xDFFF) || (u >= 0xFDD0 && u <= 0xFDEF) || u == 0xFEFF || u >= 0xFFFE)
                return nullptr;
            *out++ = char16_t(u);
            p += 3;
        } else if (c >= 0xF0 && c <= 0xF4) {
            if (end - p < 4 || !continuation(p[1]) || !continuation(p[2]) || !continuation(p[3]))
                return nullptr;
            const unsigned u = ((c & 0x07) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
            if (u < 0x10000 || u > 0x10FFFF || (u & 0xFFFE) == 0xFFFE)
                return nullptr;
            *out++ = char16_t(0xD800 + ((u - 0x10000) >> 10));
            *out++ = char16_t(0xDC00 + ((u - 0x10000) & 0x3FF));
            p += 4;
        } else {
            return nullptr;
        }
    }
    return out;
}

} // namespace

QString TextArena::text(std::string_view utf8)
{
    const std::size_t need = budget(utf8.size());
    if (need == 0)
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    // A UTF-8 byte never gives more than one UTF-16 unit; one more for the
    // terminating zero that QString::utf16() promises.
    if (std::size_t(m_end - m_next) < need) {
        settle();
        // Past the expected total, the guess was short: full buffers.
        const std::size_t size = m_remaining >= need ? std::min(m_remaining, kBufferChars) : kBufferChars;
        m_buffer = QString(qsizetype(size), Qt::Uninitialized);
        m_next = reinterpret_cast<char16_t*>(m_buffer.data());
        m_end = m_next + size;
        // Every text takes at least one unit (its zero: a lone BOM decodes
        // to nothing).
        m_referencesAhead = int(size);
        m_buffer.data_ptr().d_ptr()->ref_.fetchAndAddOrdered(m_referencesAhead);
    }
    m_remaining = m_remaining > need ? m_remaining - need : 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    char16_t* end = decodePlainUtf8(bytes, bytes + utf8.size(), m_next);
    if (!end)
        end = reinterpret_cast<char16_t*>(
            m_decoder.appendToBuffer(reinterpret_cast<QChar*>(m_next), QByteArrayView(utf8.data(), qsizetype(utf8.size()))));
    *end = u'\0';
    const qsizetype length = end - m_next;
    // One of the references taken ahead.
    --m_referencesAhead;
    QString result(QString::DataPointer(m_buffer.data_ptr().d_ptr(), m_next, length));
    m_next += length + 1;
    return result;
}

void TextArena::settle()
{
    if (m_referencesAhead == 0)
        return;
    m_buffer.data_ptr().d_ptr()->ref_.fetchAndSubOrdered(m_referencesAhead);
    m_referencesAhead = 0;
}

} // namespace db
