#pragma once
// The rows every benchmark fills: five cells of ten characters each.
#include <cstdio>
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

// The column set of a music playlist, slots 0 .. 4.
#define MIRELO_BENCH_COLUMNS u"#,Title,Artist,Album,Time", u"30,120,80,80,50", u"0,0,0,0,2", 4

}  // namespace mirelo::bench
