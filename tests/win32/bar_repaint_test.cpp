// The scroll bar's window asks the system for a repaint only when it is not
// already waiting for one; a change made after its paint began must still
// reach it, however many changes came before.
#include "scrollbar_hosted.h"

namespace mltest {
namespace {

bool WaitsForPaint(HWND w) { return GetUpdateRect(w, nullptr, FALSE) != FALSE; }

TEST_F(HostedBar, EveryRangeChangeAfterAPaintRepaintsTheBar) {
    Host();
    ASSERT_TRUE(Bar());
    // Each round: the bar paints, then rows come (each one a new range).
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        UpdateWindow(Bar());
        ASSERT_FALSE(WaitsForPaint(Bar()));
        for (int row = 0; row <= round; ++row)
            ASSERT_EQ(Method(hosted->dispatch(), L"AddItem", {Var::Str(L"more,rows")}).hr, S_OK);
        EXPECT_TRUE(WaitsForPaint(Bar()));
    }
    // A paint through the list's own full repaint counts as the bar's paint too.
    RedrawWindow(List(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_FALSE(WaitsForPaint(Bar()));
    ASSERT_EQ(Method(hosted->dispatch(), L"AddItem", {Var::Str(L"last,row")}).hr, S_OK);
    EXPECT_TRUE(WaitsForPaint(Bar()));
}

}  // namespace
}  // namespace mltest
