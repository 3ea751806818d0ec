#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace db {

// The rows of a result, packed one after another in byte chunks that never
// move: each cell is a tag byte and its payload (small integers in 1 or 4
// bytes, texts as a length and their UTF-8 bytes). Opening a large result
// costs little more than stepping through it, and memory stays near the
// size of the data.
class RowStore {
public:
    enum Tag : std::uint8_t { Null, Int8, Int32, Int64, Float, Text, Blob };

    struct Cell {
        Tag tag = Null;
        std::int64_t i = 0;
        double d = 0;
        std::string_view bytes;
    };

    void clear();
    void beginRow();
    void addNull();
    void addInteger(std::int64_t v);
    void addFloat(double v);
    void addBytes(Tag tag, const void* data, std::size_t length);
    void endRow();

    long rowCount() const { return long(m_rows.size()); }
    Cell cell(long row, int column) const;

private:
    char* reserve(std::size_t n);

    static constexpr std::size_t kFirstChunk = 16 << 10;
    static constexpr std::size_t kChunk = 1 << 20;

    std::vector<std::unique_ptr<char[]>> m_chunks;
    std::vector<const char*> m_rows;
    char* m_base = nullptr;     // current chunk
    std::size_t m_used = 0;     // bytes used in it
    std::size_t m_capacity = 0;
    std::size_t m_rowStart = 0; // offset of the row being written
};

} // namespace db
