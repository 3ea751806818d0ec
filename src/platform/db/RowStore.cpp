#include "platform/db/RowStore.h"

#include <cstdint>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace db {

// A large result touches tens of megabytes of fresh memory; taking its pages
// one 4 KiB fault at a time costs more than copying the rows. Full-size
// chunks are mapped on a 2 MiB boundary and offered to the kernel as huge
// pages; where it has none, they fault in as ordinary pages.
RowStore::Chunk::Chunk(std::size_t size) : m_size(size)
{
#if defined(__linux__)
    if (size == kChunk) {
        // Over-allocate so that the chunk can start on a 2 MiB boundary and be
        // backed by one huge page: a single fault instead of 512.
        const std::size_t span = size * 2;
        void* p = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p != MAP_FAILED) {
            char* base = static_cast<char*>(p);
            const auto addr = reinterpret_cast<std::uintptr_t>(base);
            char* aligned = base + ((size - addr % size) % size);
            if (aligned > base)
                munmap(base, std::size_t(aligned - base));
            char* end = aligned + size;
            if (end < base + span)
                munmap(end, std::size_t(base + span - end));
            madvise(aligned, size, MADV_HUGEPAGE);
            m_data = aligned;
            m_mapped = true;
            return;
        }
    }
#endif
    m_data = new char[size];
}

RowStore::Chunk::~Chunk()
{
#if defined(__linux__)
    if (m_mapped) {
        munmap(m_data, m_size);
        return;
    }
#endif
    delete[] m_data;
}

// Most results are a page or two. A store cleared hands its first chunk and
// row block to the next store opened on the same thread, so that a page read
// again and again never goes to the heap for them: their sizes are past the
// allocator's per-thread caches, and freeing them makes it merge its free
// lists, which the next open pays for.
namespace {
// Plain data, so that it may still be read after the spare itself is gone
// at thread exit.
thread_local bool t_spareGone = false;
} // namespace

struct RowStore::Spare {
    std::unique_ptr<Chunk> chunk;
    std::unique_ptr<const char*[]> rows;
    Spare() = default;
    Spare(const Spare&) = delete;
    Spare& operator=(const Spare&) = delete;
    ~Spare() { t_spareGone = true; }
};

RowStore::Spare* RowStore::spare()
{
    if (t_spareGone)
        return nullptr;
    static thread_local Spare s;
    return &s;
}

RowStore::~RowStore() { clear(); }

void RowStore::clear()
{
    if (!m_chunks.empty() || !m_rowBlocks.empty()) {
        if (Spare* s = spare()) {
            if (!s->chunk && !m_chunks.empty() && m_chunks.front()->size() == kFirstChunk)
                s->chunk = std::move(m_chunks.front());
            if (!s->rows && !m_rowBlocks.empty())
                s->rows = std::move(m_rowBlocks.front());
        }
    }
    m_chunks.clear();
    m_rowBlocks.clear();
    m_rowCount = 0;
    m_base = nullptr;
    m_used = m_capacity = m_rowStart = 0;
}

// Room for n more bytes of the current row; a row never spans two chunks,
// so a row that does not fit moves, with what it has so far, to a new one.
char* RowStore::reserve(std::size_t n)
{
    if (m_used + n <= m_capacity)
        return m_base + m_used;
    const std::size_t partial = m_used - m_rowStart;
    std::size_t size = m_chunks.empty() ? kFirstChunk : kChunk;
    if (size < partial + n)
        size = partial + n;
    std::unique_ptr<Chunk> chunk;
    if (size == kFirstChunk)
        if (Spare* s = spare())
            chunk = std::move(s->chunk);
    if (!chunk)
        chunk = std::make_unique<Chunk>(size);
    if (partial)
        std::memcpy(chunk->data(), m_base + m_rowStart, partial);
    m_base = chunk->data();
    m_chunks.push_back(std::move(chunk));
    m_capacity = size;
    m_rowStart = 0;
    m_used = partial;
    return m_base + m_used;
}

void RowStore::beginRow() { m_rowStart = m_used; }

void RowStore::addNull()
{
    *reserve(1) = char(Null);
    m_used += 1;
}

void RowStore::addInteger(std::int64_t v)
{
    if (v >= INT8_MIN && v <= INT8_MAX) {
        char* p = reserve(2);
        p[0] = char(Int8);
        p[1] = char(std::int8_t(v));
        m_used += 2;
    } else if (v >= INT32_MIN && v <= INT32_MAX) {
        char* p = reserve(5);
        p[0] = char(Int32);
        const std::int32_t x = std::int32_t(v);
        std::memcpy(p + 1, &x, 4);
        m_used += 5;
    } else {
        char* p = reserve(9);
        p[0] = char(Int64);
        std::memcpy(p + 1, &v, 8);
        m_used += 9;
    }
}

void RowStore::addFloat(double v)
{
    char* p = reserve(9);
    p[0] = char(Float);
    std::memcpy(p + 1, &v, 8);
    m_used += 9;
}

void RowStore::addBytes(Tag tag, const void* data, std::size_t length)
{
    // Most cells are short texts: a one-byte length and one copy.
    if (length < 0x80 && m_used + 2 + length <= m_capacity) {
        char* p = m_base + m_used;
        p[0] = char(tag);
        p[1] = char(length);
        std::memcpy(p + 2, data, length);
        m_used += 2 + length;
        return;
    }
    char* p = reserve(1 + 10 + length);
    char* q = p;
    *q++ = char(tag);
    std::size_t n = length;
    while (n >= 0x80) {
        *q++ = char((n & 0x7F) | 0x80);
        n >>= 7;
    }
    *q++ = char(n);
    if (length)
        std::memcpy(q, data, length);
    m_used += std::size_t(q - p) + length;
}

void RowStore::endRow()
{
    const std::size_t at = m_rowCount % kRowsPerBlock;
    if (at == 0) {
        Spare* s = m_rowCount == 0 ? spare() : nullptr;
        m_rowBlocks.push_back(s && s->rows ? std::move(s->rows) : std::make_unique_for_overwrite<const char*[]>(kRowsPerBlock));
    }
    m_rowBlocks.back()[at] = m_base + m_rowStart;
    ++m_rowCount;
}

const char* RowStore::rowStart(long row) const
{
    return m_rowBlocks[std::size_t(row) / kRowsPerBlock][std::size_t(row) % kRowsPerBlock];
}

const char* RowStore::decode(const char* p, Cell& cell)
{
    cell.tag = Tag(static_cast<std::uint8_t>(*p++));
    switch (cell.tag) {
    case Null: break;
    case Int8: cell.i = std::int8_t(*p++); break;
    case Int32: {
        std::int32_t x;
        std::memcpy(&x, p, 4);
        cell.i = x;
        p += 4;
        break;
    }
    case Int64:
        std::memcpy(&cell.i, p, 8);
        p += 8;
        break;
    case Float:
        std::memcpy(&cell.d, p, 8);
        p += 8;
        break;
    case Text:
    case Blob: {
        std::size_t length = 0;
        int shift = 0;
        std::uint8_t b;
        do {
            b = static_cast<std::uint8_t>(*p++);
            length |= std::size_t(b & 0x7F) << shift;
            shift += 7;
        } while (b & 0x80);
        cell.bytes = std::string_view(p, length);
        p += length;
        break;
    }
    }
    return p;
}

RowStore::Cell RowStore::cell(long row, int column) const
{
    const char* p = rowStart(row);
    Cell cell;
    for (int c = 0; c <= column; ++c)
        p = decode(p, cell);
    return cell;
}

void RowStore::row(long row, int columns, Cell* out) const
{
    const char* p = rowStart(row);
    for (int c = 0; c < columns; ++c)
        p = decode(p, out[c]);
}

} // namespace db
