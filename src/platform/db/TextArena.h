#pragma once

#include <QString>
#include <QStringDecoder>
#include <cstddef>
#include <string_view>

namespace db {

// Texts of a block of rows decoded into shared buffers: each text is a
// QString that points into a buffer it shares with its neighbours, so that a
// page of cells costs one allocation instead of one per cell. The result is
// the same as QString::fromUtf8; a buffer lives as long as any text in it,
// and is small, so a text kept long keeps little memory with it.
class TextArena {
public:
    // `expected`: what budget() gives for the texts that are coming;
    // buffers are made to that size, up to a limit. A wrong figure costs
    // memory, never a wrong text.
    explicit TextArena(std::size_t expected) : m_remaining(expected) {}
    ~TextArena() { settle(); }
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;

    // What a UTF-8 text takes of a buffer (0: it gets a QString of its own).
    static std::size_t budget(std::size_t utf8Bytes) { return utf8Bytes == 0 || utf8Bytes > kOwnText ? 0 : utf8Bytes + 1; }

    QString text(std::string_view utf8);

private:
    // Longer texts get their own allocation, so that a buffer stays small.
    static constexpr std::size_t kOwnText = 256;
    static constexpr std::size_t kBufferChars = 2048;
    static_assert(kOwnText + 1 <= kBufferChars);

    // Gives back the references taken on the buffer and not handed out.
    void settle();

    QString m_buffer;
    // References to the buffer are taken once for as many texts as it can
    // hold, and the surplus given back when it is full: a page then costs two
    // atomic operations on the buffer's count instead of one per cell.
    int m_referencesAhead = 0;
    char16_t* m_next = nullptr;
    char16_t* m_end = nullptr;
    std::size_t m_remaining;
    // For texts that are not plainly valid UTF-8. Stateless, so that each
    // text is decoded on its own (a leading BOM dropped, a cut sequence
    // replaced) as QString::fromUtf8 does.
    QStringDecoder m_decoder{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
};

} // namespace db
