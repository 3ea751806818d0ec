#include "platform/db/RowStore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Tag = db::RowStore::Tag;

// One cell as written, to compare with what the store gives back.
struct Written {
    Tag tag;
    std::int64_t i = 0;
    double d = 0;
    std::string bytes;
};

Written null() { return {db::RowStore::Null, 0, 0, {}}; }
Written integer(std::int64_t v) { return {db::RowStore::Int64, v, 0, {}}; }
Written real(double v) { return {db::RowStore::Float, 0, v, {}}; }
Written text(std::string v) { return {db::RowStore::Text, 0, 0, std::move(v)}; }
Written blob(std::string v) { return {db::RowStore::Blob, 0, 0, std::move(v)}; }

void add(db::RowStore& store, const Written& w)
{
    switch (w.tag) {
    case db::RowStore::Null: store.addNull(); break;
    case db::RowStore::Float: store.addFloat(w.d); break;
    case db::RowStore::Text:
    case db::RowStore::Blob: store.addBytes(w.tag, w.bytes.data(), w.bytes.size()); break;
    default: store.addInteger(w.i); break;
    }
}

void expectCell(const db::RowStore::Cell& cell, const Written& w, long row, int column)
{
    SCOPED_TRACE("row " + std::to_string(row) + ", column " + std::to_string(column));
    switch (w.tag) {
    case db::RowStore::Null: EXPECT_EQ(cell.tag, db::RowStore::Null); break;
    case db::RowStore::Float:
        EXPECT_EQ(cell.tag, db::RowStore::Float);
        EXPECT_EQ(cell.d, w.d);
        break;
    case db::RowStore::Text:
    case db::RowStore::Blob:
        EXPECT_EQ(cell.tag, w.tag);
        EXPECT_EQ(std::string(cell.bytes), w.bytes);
        break;
    default:
        EXPECT_TRUE(cell.tag == db::RowStore::Int8 || cell.tag == db::RowStore::Int32 || cell.tag == db::RowStore::Int64);
        EXPECT_EQ(cell.i, w.i);
        break;
    }
}

// Rows of every kind of cell, at the edges of each encoding, written until
// the store spans several chunks; one row is larger than a whole chunk.
TEST(RowStore, EveryCellReadsBackAcrossChunks)
{
    const std::vector<Written> kinds = {
        null(),
        integer(0),
        integer(-128),
        integer(128),
        integer(INT32_MIN),
        integer(std::int64_t(INT32_MAX) + 1),
        integer(INT64_MIN),
        real(-1234.5),
        text(""),
        text("Núñez"),
        text(std::string(127, 'a')),
        text(std::string(128, 'b')),
        text(std::string(20000, 'c')),
        blob(std::string("\0\1\2", 3)),
    };
    const std::string huge(3 << 20, 'h');

    std::vector<std::vector<Written>> rows;
    for (long r = 0; r < 600; ++r) {
        std::vector<Written> row;
        for (int c = 0; c < 5; ++c)
            row.push_back(kinds[std::size_t(r * 5 + c) % kinds.size()]);
        row[0] = integer(r * 1000003);
        rows.push_back(std::move(row));
    }
    rows[300].push_back(text(huge));
    rows[300].erase(rows[300].begin() + 1);

    db::RowStore store;
    for (const auto& row : rows) {
        store.beginRow();
        for (const Written& w : row)
            add(store, w);
        store.endRow();
    }

    ASSERT_EQ(store.rowCount(), long(rows.size()));
    for (long r = 0; r < store.rowCount(); ++r) {
        const auto& row = rows[std::size_t(r)];
        std::vector<db::RowStore::Cell> cells(row.size());
        store.row(r, int(row.size()), cells.data());
        for (int c = 0; c < int(row.size()); ++c) {
            expectCell(cells[std::size_t(c)], row[std::size_t(c)], r, c);
            expectCell(store.cell(r, c), row[std::size_t(c)], r, c);
        }
    }

    store.clear();
    EXPECT_EQ(store.rowCount(), 0);
}

} // namespace
