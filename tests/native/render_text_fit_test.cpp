// Fitting a too-wide text by halving must give exactly what dropping one
// character at a time gives, with far fewer measurements.
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
        int calls = 0;
        const PrefixFit fast = FitPrefix(length, room, [&](size_t n) {
            ++calls;
            return ToInt32(prefix[n]);
        });
        const PrefixFit slow = OneByOne(length, room, prefix);
        ASSERT_EQ(fast.length, slow.length) << "trial " << trial;
        ASSERT_EQ(fast.width, slow.width) << "trial " << trial;
        int bound = 0;
        while ((size_t{1} << bound) < length + 1) ++bound;
        ASSERT_LE(calls, bound) << "trial " << trial;
    }
}

TEST(RenderTextFit, LongTextNeedsFewMeasurements) {
    int calls = 0;
    const PrefixFit fit = FitPrefix(1000, 300, [&](size_t n) {
        ++calls;
        return static_cast<int32_t>(n * 7);
    });
    EXPECT_EQ(fit.length, 42u);
    EXPECT_EQ(fit.width, 294);
    EXPECT_LE(calls, 10);
}

}  // namespace
}  // namespace mirelo
