#include "render/text_fit.h"

namespace mirelo {

PrefixFit FitPrefix(size_t length, double room, const std::function<int32_t(size_t)>& prefixWidth) {
    // Invariant: a prefix of `fits` units fits (0 trivially), one of `tooLong`
    // does not (length + 1 trivially).
    size_t fits = 0, tooLong = length + 1;
    int32_t fitWidth = 0, firstWidth = 0;
    while (tooLong - fits > 1) {
        const size_t mid = fits + (tooLong - fits) / 2;
        const int32_t w = prefixWidth(mid);
        if (room >= w) {
            fits = mid;
            fitWidth = w;
        } else {
            tooLong = mid;
            if (mid == 1) firstWidth = w;
        }
    }
    // Nothing fitting means the one-by-one search ended after measuring the
    // first unit; its width is where the "..." goes.
    if (fits == 0) return PrefixFit{0, firstWidth};
    return PrefixFit{fits, fitWidth};
}

}  // namespace mirelo
