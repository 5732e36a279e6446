#pragma once
// The rows every benchmark fills: five cells of ten characters each.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/text.h"
#include "base/variant.h"

namespace mirelo::bench {

constexpr int kCellsPerRow = 5;
constexpr int kCellLength = 10;

// "row00042c0,row00042c1,...": distinct per row, ten code units per cell.
inline Text RowTitle(int row) {
    Text title;
    for (int c = 0; c < kCellsPerRow; ++c) {
        char cell[16];
        std::snprintf(cell, sizeof cell, "row%05dc%d", row % 100000, c);
        if (c) title += u',';
        title += FromUtf8(cell);
    }
    return title;
}

// The titles of the first `rows` rows, as texts or as the Variants AddItem takes.
template <class T = Text>
std::vector<T> RowTitles(int rows) {
    std::vector<T> out;
    out.reserve(rows);
    for (int i = 0; i < rows; ++i) out.emplace_back(RowTitle(i));
    return out;
}

// The anchors' row: what a plain C++ list would keep, cells as strings.
struct PlainRecord {
    std::vector<std::u16string> cells;
    std::u16string key;
    int16_t id = -1;
    int16_t checked = 0;
};

// A title cut at the commas into a plain record's cells.
inline PlainRecord CutRecord(const Text& title) {
    PlainRecord r;
    size_t start = 0;
    for (size_t comma; (comma = title.find(u',', start)) != Text::npos; start = comma + 1)
        r.cells.emplace_back(title, start, comma - start);
    r.cells.emplace_back(title, start);
    return r;
}

// The column set of a music playlist, slots 0 .. 4.
#define MIRELO_BENCH_COLUMNS u"#,Title,Artist,Album,Time", u"30,120,80,80,50", u"0,0,0,0,2", 4

}  // namespace mirelo::bench
