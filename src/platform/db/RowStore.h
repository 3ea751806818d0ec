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

    RowStore() = default;
    ~RowStore();
    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    void clear();
    void beginRow();
    void addNull();
    void addInteger(std::int64_t v);
    void addFloat(double v);
    void addBytes(Tag tag, const void* data, std::size_t length);
    void endRow();

    long rowCount() const { return long(m_rowCount); }
    Cell cell(long row, int column) const;
    // All cells of a row, decoded in one pass.
    void row(long row, int columns, Cell* out) const;
    // Calls f(cell, column) for each cell of a row, decoded in one pass.
    template <class F>
    void forEachCell(long row, int columns, F&& f) const
    {
        const char* p = rowStart(row);
        Cell cell;
        for (int c = 0; c < columns; ++c) {
            p = decode(p, cell);
            f(static_cast<const Cell&>(cell), c);
        }
    }

private:
    char* reserve(std::size_t n);
    static const char* decode(const char* p, Cell& cell);
    const char* rowStart(long row) const;

    static constexpr std::size_t kFirstChunk = 16 << 10;
    static constexpr std::size_t kChunk = 2 << 20;

    // Row starts, in blocks too, so that a million rows never reallocate.
    static constexpr std::size_t kRowsPerBlock = 4096;

    // A chunk of memory for rows; full-size ones are mapped for huge pages
    // (see RowStore.cpp).
    class Chunk {
    public:
        explicit Chunk(std::size_t size);
        ~Chunk();
        Chunk(const Chunk&) = delete;
        Chunk& operator=(const Chunk&) = delete;
        char* data() const { return m_data; }
        std::size_t size() const { return m_size; }

    private:
        char* m_data = nullptr;
        std::size_t m_size = 0;
        bool m_mapped = false;
    };

    // The first chunk and row block of the last store cleared on a thread,
    // for the next store opened there (see RowStore.cpp).
    struct Spare;
    static Spare* spare();

    std::vector<std::unique_ptr<Chunk>> m_chunks;
    std::vector<std::unique_ptr<const char*[]>> m_rowBlocks;
    std::size_t m_rowCount = 0;
    char* m_base = nullptr;     // current chunk
    std::size_t m_used = 0;     // bytes used in it
    std::size_t m_capacity = 0;
    std::size_t m_rowStart = 0; // offset of the row being written
};

} // namespace db
