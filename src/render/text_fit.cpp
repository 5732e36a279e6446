#include "render/text_fit.h"

namespace mirelo {

PrefixFit FitPrefix(size_t length, double room, const std::function<int32_t(size_t)>& prefixWidth,
                    size_t guess) {
    // Invariant: a prefix of `fits` units fits (0 trivially), one of `tooLong`
    // does not (length + 1 trivially).
    size_t fits = 0, tooLong = length + 1;
    int32_t fitWidth = 0, firstWidth = 0;
    // Measures a prefix strictly inside the bracket and moves one end to it.
    auto measure = [&](size_t n) {
        const int32_t w = prefixWidth(n);
        if (room >= w) {
            fits = n;
            fitWidth = w;
            return true;
        }
        tooLong = n;
        if (n == 1) firstWidth = w;
        return false;
    };
    if (guess >= 1 && guess <= length) {
        const bool up = measure(guess);
        for (size_t step = 1; tooLong - fits > step; step *= 2) {
            if (measure(up ? fits + step : tooLong - step) != up) break;
        }
    }
    while (tooLong - fits > 1) measure(fits + (tooLong - fits) / 2);
    // Nothing fitting means the one-by-one search ended after measuring the
    // first unit; its width is where the "..." goes.
    if (fits == 0) return PrefixFit{0, firstWidth};
    return PrefixFit{fits, fitWidth};
}

}  // namespace mirelo
