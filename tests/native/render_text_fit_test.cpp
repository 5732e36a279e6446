// Fitting a too-wide text by halving, from a guess or not, must give exactly
// what dropping one character at a time gives, in a logarithmic number of
// measurements.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "base/numeric.h"
#include "render/text_fit.h"

namespace mirelo {
namespace {

PrefixFit OneByOne(size_t length, double room, const std::vector<double>& prefix) {
    size_t n = length;
    int32_t w = 0;
    while (n > 0) {
        w = ToInt32(prefix[n]);
        if (room >= w) break;
        --n;
    }
    return PrefixFit{n, w};
}

TEST(RenderTextFit, SameAsOneByOneForMonotoneWidths) {
    std::mt19937 rng(20240611);
    for (int trial = 0; trial < 3000; ++trial) {
        const size_t length = rng() % 40;
        std::vector<double> prefix(length + 1, 0.0);
        for (size_t k = 1; k <= length; ++k) {
            // Some units of width 0 or fractions make equal and half-way prefixes.
            prefix[k] = prefix[k - 1] + (rng() % 4 == 0 ? 0.0 : (rng() % 40) / 4.0);
        }
        const double room = static_cast<double>(static_cast<int>(rng() % 120) - 20) + (rng() % 2 ? 0.5 : 0.0);
        const PrefixFit slow = OneByOne(length, room, prefix);
        int bound = 0;
        while ((size_t{1} << bound) < length + 1) ++bound;
        // No guess, then a guess anywhere (past the end counts as none): a
        // wrong guess may cost measurements, never the answer.
        for (const size_t guess : {size_t{0}, static_cast<size_t>(rng() % (length + 2))}) {
            int calls = 0;
            const PrefixFit fast = FitPrefix(
                length, room, [&](size_t n) { return ++calls, ToInt32(prefix[n]); }, guess);
            ASSERT_EQ(fast.length, slow.length) << "trial " << trial << " guess " << guess;
            ASSERT_EQ(fast.width, slow.width) << "trial " << trial << " guess " << guess;
            ASSERT_LE(calls, guess == 0 ? bound : 2 * bound + 1) << "trial " << trial << " guess " << guess;
        }
    }
}

}  // namespace
}  // namespace mirelo
