// Scrolling with the bar, the wheel and the keys; row colours that follow the
// rows.
#include <algorithm>

#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

class ScrollTest : public ListTest {
protected:
    // Row area 160 pixels: ten whole rows; 30 rows give Max 20.
    void SetUp() override {
        New(400, 16 + 160 + 2);
        Columns("#,a,b", "30,100,100", "0,0,0", 2);
        Fill(30);
        list->OnResize();  // as the container sizes a new control, which puts the bar inside the border
        Reset();
    }
    int Count(const std::string& what) const {
        int n = 0;
        for (const auto& l : log) n += l == what;
        return n;
    }
};

TEST_F(ScrollTest, TheWheelMovesByAFifthOfTheRowsPlusOne) {
    list->OnMouseWheel(-(120 << 16));  // towards the user
    EXPECT_EQ(list->Bar().Value(), 3);
    EXPECT_EQ(list->FirstIndex(), 3);
    EXPECT_EQ(Count("Scroll"), 1);
    Reset();
    list->OnMouseWheel(120 << 16);
    EXPECT_EQ(list->FirstIndex(), 0);
    Reset();
    list->OnMouseWheel(120 << 16);  // already at the top
    EXPECT_TRUE(log.empty());
    list->Bar().SetValue(20);
    Reset();
    list->OnMouseWheel(-(120 << 16));  // already at Max
    EXPECT_TRUE(log.empty());
}

TEST_F(ScrollTest, WheelStepFollowsTheRowArea) {
    struct Case { int area; int step; };
    for (Case c : {Case{160, 3}, Case{64, 1}, Case{400, 6}}) {
        New(400, c.area + 18);
        Fill(60);
        list->OnMouseWheel(-1);
        EXPECT_EQ(list->FirstIndex(), c.step) << c.area;
    }
}

TEST_F(ScrollTest, NothingScrollsWhileTheBarIsHidden) {
    New(400, 300);
    Fill(3);
    Reset();
    list->OnMouseWheel(-1);
    list->Bar().SetValue(2);
    EXPECT_EQ(list->FirstIndex(), 0);
    EXPECT_EQ(Count("Scroll"), 0);
}

TEST_F(ScrollTest, RowColoursFollowTheRowsForOddScrolls) {
    // Row 4 is at distance 4 from the top: phase 0. After scrolling by n rows
    // it is at distance 4 - n, and AltPhase flipped once.
    struct Case { int to; bool sameColour; };
    for (Case c : {Case{1, true}, Case{3, true}, Case{2, false}}) {
        SetUp();
        list->Bar().SetValue(c.to);
        const bool phase0 = ((4 - c.to) % 2 == 0) != (list->AltPhase() != 0);
        EXPECT_EQ(phase0, c.sameColour) << c.to;
    }
}

TEST_F(ScrollTest, AThumbDragScrollsTheListWithOneScrollPerMove) {
    // The bar is 17 x 176: track 18 .. 158, thumb 140 div 3 = 46 long at 18.
    auto& bar = list->Bar();
    bar.BarMouseDown(1, (20 << 16) | 5);
    bar.BarMouseMove(1, (60 << 16) | 5);  // thumb at 58: Value = 40 / 94 x 20 = 8.5 -> 9
    EXPECT_EQ(list->FirstIndex(), 9);
    EXPECT_EQ(Count("Scroll"), 1);
    bar.BarMouseUp();
    EXPECT_EQ(Count("Scroll"), 1);  // the closing Change scrolls without an event
    Reset();
    list->Bar().SetValue(5);
    EXPECT_EQ(list->FirstIndex(), 5);
    EXPECT_EQ(Count("Scroll"), 0);
}

TEST_F(ScrollTest, AScrollOfMoreThanAViewPaintsTheNewRows) {
    list->PaintList();
    Reset();
    list->Bar().SetValue(15);
    const Lines r = RowsDrawn();
    EXPECT_NE(std::find(r.begin(), r.end(), "row 15"), r.end());
    EXPECT_NE(std::find(r.begin(), r.end(), "row 24"), r.end());  // the last whole row in view
}

TEST_F(ScrollTest, DownAndUpMoveTheSelectionWithoutEvents) {
    list->Bar().KeyDown(40);  // keys the bar gets reach the list
    EXPECT_EQ(list->ListIndex(), 0);  // from none, Down selects the first row
    list->SetListIndex(3);
    Reset();
    list->OnKeyDown(40, 0);
    EXPECT_EQ(list->ListIndex(), 4);
    EXPECT_EQ(RowsDrawn(), (Lines{"row 3", "row 4"}));
    EXPECT_TRUE(site.changed.empty());
    list->OnKeyDown(33, 0);  // Page Up is not handled
    list->OnKeyDown(13, 0);
    EXPECT_EQ(list->ListIndex(), 4);
}

TEST_F(ScrollTest, KeysClampAtBothEnds) {
    list->OnKeyDown(38, 0);
    EXPECT_EQ(list->ListIndex(), 0);  // Up from none also selects row 0
    Reset();
    list->OnKeyDown(38, 0);
    EXPECT_TRUE(surface.ops.empty());
    list->SetListIndex(29);
    Reset();
    list->OnKeyDown(40, 0);
    EXPECT_EQ(list->ListIndex(), 29);
    EXPECT_TRUE(surface.ops.empty());
}

TEST_F(ScrollTest, ReachingTheLastIndexScrollsOneRowAndSwapsColours) {
    list->PaintList();  // the painter sets LastIndex: 0 + 10 + pen 1 = 11
    list->SetListIndex(9);
    const Bool16 phase = list->AltPhase();
    list->OnKeyDown(40, 0);
    EXPECT_EQ(list->ListIndex(), 10);
    EXPECT_EQ(list->FirstIndex(), 0);  // below the bound the view stays
    list->OnKeyDown(40, 0);
    EXPECT_EQ(list->ListIndex(), 11);
    EXPECT_EQ(list->FirstIndex(), 1);
    EXPECT_EQ(list->AltPhase(), phase);  // two runs of the scroll handling
    list->Bar().SetValue(5);
    list->SetListIndex(5);
    list->OnKeyDown(38, 0);
    EXPECT_EQ(list->FirstIndex(), 4);
}

TEST_F(ScrollTest, AfterAGrowingResizeTheKeysScrollAtTheBoundBeforeIt) {
    // A control that only grew is not repainted by its resize handling, so
    // until the next paint Down scrolls at the bound the old size gave (10
    // whole rows + 1), although twenty rows are now in view.
    list->SetListIndex(10);
    surface.height += 160;
    list->OnResize();
    list->OnKeyDown(40, 0);
    EXPECT_EQ(list->ListIndex(), 11);
    EXPECT_EQ(list->FirstIndex(), 1);
}

}  // namespace
}  // namespace mirelo::fake
