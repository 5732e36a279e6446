// The width rules as tables of widths in and widths out: no list, no surface.
#include <gtest/gtest.h>

#include <vector>

#include "base/error.h"
#include "columns/column_model.h"
#include "fakes/error_of.h"

namespace mirelo {
namespace {

// Slots 0 .. widths.size() - 1 take part; the total is the widths' own
// unless given.
ColumnModel Model(const std::vector<int>& widths, int sum = -1) {
    ColumnModel m;
    m.count = static_cast<int16_t>(widths.size() - 1);
    int total = 0;
    for (size_t c = 0; c < widths.size(); ++c) total += m.widths[c] = static_cast<int16_t>(widths[c]);
    m.widthSum = static_cast<int16_t>(sum < 0 ? total : sum);
    return m;
}

std::vector<int> Widths(const ColumnModel& m) { return std::vector<int>(m.widths.begin(), m.widths.begin() + m.count + 1); }

TEST(ColumnModel, FitSpreadsTheFreeWidthInProportion) {
    struct Case { std::vector<int> in; int client, reserved; std::vector<int> want; int sum; };
    const Case cases[] = {
        {{30, 200, 100, 0}, 400, 0, {36, 238, 119, 0}, 393},  // 62 free: shares 5.64, 37.6, 18.8
        {{30, 200, 100, 0}, 338, 0, {30, 200, 100, 0}, 330},  // nothing free changes nothing
        {{36, 238, 119, 0}, 400, 17, {34, 227, 114, 0}, 375}, // the bar's width kept free: -18
        {{100, 300, 0}, 408, 0, {100, 302, 0}, 402},          // shares of 0.5 and 1.5 go to the even neighbour
        {{0, 0}, 4, 0, {0, 0}, 0},                             // nothing free: no total is needed
    };
    for (const Case& c : cases) {
        ColumnModel m = Model(c.in);
        m.FitColumns(c.client, c.reserved);
        EXPECT_EQ(Widths(m), c.want) << c.client << " less " << c.reserved;
        EXPECT_EQ(m.widthSum, c.sum) << c.client << " less " << c.reserved;
    }
}

TEST(ColumnModel, NoTotalToShareByAndASpreadThatOverflowsChangeNothing) {
    struct Case { std::vector<int> in; int sum, extra, error; };
    const Case cases[] = {
        {{0, 0}, 0, 10, 0},              // zero-width slots stay 0: nothing to spread
        {{40, 40}, 0, 390, 0},           // a total the bar's hand-over took to nothing
        {{5, -5}, 0, 390, 0},
        {{30000, 2000}, 32000, 5000, kOverflow},  // a share past 16 bits
    };
    for (const Case& c : cases) {
        ColumnModel m = Model(c.in, c.sum);
        EXPECT_EQ(ErrorOf([&] { m.DistributeWidth(static_cast<int16_t>(c.extra)); }), c.error) << c.in[0];
        EXPECT_EQ(Widths(m), c.in);
        EXPECT_EQ(m.widthSum, c.sum);
    }
}

TEST(ColumnModel, BorderDragWidths) {
    // k: the shown column left of the border; distance > 0 right, < 0 left.
    struct Case { std::vector<int> in; int k, distance; std::vector<int> want; int sum; };
    const Case cases[] = {
        {{100, 100, 100}, 0, 40, {140, 80, 80}, 300},
        {{100, 100, 100}, 1, -40, {80, 80, 140}, 300},
        {{100, 100, 100}, 0, 250, {240, 30, 30}, 300},          // at most what leaves the far side its minimum
        {{100, 100, 100, 0}, 0, 40, {140, 80, 80, 0}, 300},     // a hidden slot stays hidden
        {{100, 100, 100, 0}, 1, -40, {80, 80, 140, 0}, 300},
        {{100, 100, 100}, 0, -90, {30, 170, 100}, 300},         // the far column keeps its width
        {{20, 100, 100}, 0, 5, {30, 95, 95}, 220},              // raised to the minimum
        {{100, 50, 50}, 0, 5, {105, 48, 48}, 200},              // shares of 2.5 round to even
        {{100, 100, 100}, 0, 23, {123, 88, 88}, 300},           // both 11.5 round up: 299 shown, 300 kept
        {{40, 200, 35}, 0, 100, {140, 105, 30}, 275},           // the deficit comes back from the wider
        {{35, 200, 40}, 1, -100, {30, 105, 140}, 275},
        {{100, 0, 100, 100}, 0, -40, {60, 0, 140, 100}, 300},   // the shown column right of a hidden one widens
        {{100, 0, 100, 100}, 0, 40, {140, 0, 80, 80}, 300},
        {{0, 100, 100}, 0, 40, {0, 100, 100}, 200},             // no shown column at the border: nothing moves
        {{-5, 100, 100}, 1, 100, {-5, 170, 30}, 195},           // a hidden slot's negative width counts in the limit
        {{100, 100, 0}, 1, -40, {100, 100, 0}, 200},
    };
    for (const Case& c : cases) {
        ColumnModel m = Model(c.in);
        if (c.distance > 0) m.ResizeRight(c.k, c.distance);
        else m.ResizeLeft(c.k, -c.distance);
        EXPECT_EQ(Widths(m), c.want) << "border right of " << c.k << " by " << c.distance;
        EXPECT_EQ(m.widthSum, c.sum) << "kept, not recomputed";
    }
}

TEST(ColumnModel, TheBarsWidthGoesFromTheLastColumnAndBackToTheSlotThatGave) {
    struct Case { std::vector<int> in; int barWidthCol; bool appeared; std::vector<int> want; int sum, wantCol; };
    const Case cases[] = {
        {{30, 100, 100, 0}, 1, true, {30, 100, 83, 0}, 213, 2},
        {{30, 100, 83, 0}, 2, false, {30, 100, 100, 0}, 230, 2},
        {{30, 83, 100, 0}, 1, false, {30, 100, 100, 0}, 230, 1},  // back to the one that gave, not the last
        {{0}, 1, true, {0}, 0, -1},                               // no column gives: none takes back later
        {{0, 0}, -1, false, {0, 0}, 0, -1},
        {{32760, 0}, 0, false, {32767, 0}, 32767, 0},  // held within 16 bits, not failing the layout
    };
    for (const Case& c : cases) {
        ColumnModel m = Model(c.in);
        m.barWidthCol = static_cast<int16_t>(c.barWidthCol);
        m.HandOverBar(c.appeared, 17);
        EXPECT_EQ(Widths(m), c.want) << (c.appeared ? "appeared" : "went");
        EXPECT_EQ(m.widthSum, c.sum);
        EXPECT_EQ(m.barWidthCol, c.wantCol);
    }
}

}  // namespace
}  // namespace mirelo
