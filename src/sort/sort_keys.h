#pragma once
// The key sort behind a header click. Keys are compared ordinally, code unit
// by code unit; the order it leaves equal keys in is part of what users see,
// so it is always the order of one particular partition exchange sort, however
// the work is arranged.
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace mirelo {

// -1, 0 or 1 as a sorts before, with or after b; a prefix sorts first.
int OrdinalCompare(std::u16string_view a, std::u16string_view b);

// Four code units from `from` on as one number: of two texts equal before
// `from`, the one with the smaller head sorts first; equal heads say nothing.
uint64_t OrdinalHead(std::u16string_view text, size_t from = 0);

// Sorts keys[lo..hi] ascending and exchanges map the same way, so that map[k]
// ends up telling where the k-th smallest key was.
void SortKeys(std::vector<std::u16string_view>& keys, std::vector<int16_t>& map, int32_t lo, int32_t hi);

}  // namespace mirelo
