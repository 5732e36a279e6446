#pragma once
// How many cells a row and how many rows the list can address.
#include <array>
#include <cstdint>

namespace mirelo {

constexpr int kMaxColumn = 20;  // cell and column slots are 0 .. 20
constexpr int kMaxRows = 32768; // row indices are 16-bit

// One width per column slot, pixels; below 1 the slot is hidden.
using ColumnWidths = std::array<int16_t, kMaxColumn + 1>;

}  // namespace mirelo
