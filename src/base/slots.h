#pragma once
// How many cells a row and how many rows the list can address.
namespace mirelo {

constexpr int kMaxColumn = 20;  // cell and column slots are 0 .. 20
constexpr int kMaxRows = 32768; // row indices are 16-bit

}  // namespace mirelo
