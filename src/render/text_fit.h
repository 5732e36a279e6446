#pragma once
// Fitting a cell text that is too wide: the longest prefix whose width, as a
// whole number of pixels, leaves `room` for the trailing "...".
#include <cstddef>
#include <cstdint>
#include <functional>

namespace mirelo {

struct PrefixFit {
    size_t length;  // code units kept; 0 when not even one fits
    int32_t width;  // rounded width of the kept prefix; with nothing kept, that of the first unit
};

// The answer is the one of trying length, length - 1, ... 1 in turn and
// stopping at the first that fits, but found by halving: prefix widths only
// grow with the prefix, so a long text costs a handful of measurements
// instead of one per dropped character. A `guess` (1 .. length, 0 for none)
// is where the search starts, stepping out from it in doubling steps until
// the answer is bracketed: a near guess costs two or three measurements of
// short prefixes instead of halving down from the whole text.
PrefixFit FitPrefix(size_t length, double room, const std::function<int32_t(size_t)>& prefixWidth,
                    size_t guess = 0);

}  // namespace mirelo
