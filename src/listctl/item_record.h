#pragma once
// One row of the list: up to 21 cell texts plus the host's key, id and check.
#include <array>
#include <cstdint>
#include <vector>

#include "base/numeric.h"
#include "base/text.h"

namespace mirelo {

constexpr int kMaxColumn = 20;  // cell and column slots are 0 .. 20
constexpr int kMaxRows = 32768; // row indices are 16-bit

class ItemRecord {
public:
    // Cells past the last one set read as empty; storing only the cells in
    // use keeps a row of a few short cells small.
    const Text& Cell(int c) const { return c < static_cast<int>(cells_.size()) ? cells_[c] : Empty(); }
    void SetCell(int c, Text value);

    int16_t Id = -1;
    Text SwapText;          // scratch of the column exchange; keeps what last went through it
    Bool16 Checked = kFalse;
    Text Key;

private:
    static const Text& Empty();
    std::vector<Text> cells_;
};

}  // namespace mirelo
