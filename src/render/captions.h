#pragma once
// The sort markers a sorted column's caption carries, and the row numbers of
// column 0, which count down while that column is sorted descending. Shared
// by the painter and the accessibility model, so a reader hears what is shown.
#include <cstdint>

#include "base/text.h"

namespace mirelo {

extern const Text kSortUp;    // "▲" appended to a caption sorted ascending
extern const Text kSortDown;  // "▼" appended to a caption sorted descending

Text WithoutSortMarker(const Text& caption);
// The number shown for `row` of `count` rows, given column 0's caption.
Text RowNumberText(const Text& caption0, int32_t count, int32_t row);

}  // namespace mirelo
