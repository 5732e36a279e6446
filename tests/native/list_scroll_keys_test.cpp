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

// A notch moves a fifth of the rows the area holds, plus one, and raises Scroll;
// nothing moves or is raised at either end or while the bar is hidden.
TEST_F(ScrollTest, TheWheel) {
    struct Case { int area, rows, from, wheel, first; };
    const Case cases[] = {
        {160, 30, 0, -(120 << 16), 3},  // towards the user
        {160, 30, 3, 120 << 16, 0},
        {160, 30, 0, 120 << 16, 0},     // already at the top
        {160, 30, 20, -(120 << 16), 20},  // already at Max
        {64, 60, 0, -1, 1},
        {400, 60, 0, -1, 6},
        {282, 3, 0, -1, 0},  // all rows fit: no bar
    };
    for (const Case& c : cases) {
        New(400, c.area + 18);
        Fill(c.rows);
        list->Bar().SetValue(c.from);
        Reset();
        list->OnMouseWheel(c.wheel);
        EXPECT_EQ(list->FirstIndex(), c.first) << c.area << " from " << c.from;
        EXPECT_EQ(log, c.first == c.from ? Lines{} : Lines{"Scroll"}) << c.area << " from " << c.from;
    }
    list->Bar().SetValue(2);  // the hidden bar's value scrolls nothing either
    EXPECT_EQ(list->FirstIndex(), 0);
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

// Down and Up move the selection, repainting the two rows and raising nothing;
// they stop at either end, other keys do nothing.
TEST_F(ScrollTest, Keys) {
    struct Case { int16_t from; int key; int16_t to; Lines rows; };
    const Case cases[] = {
        {-1, 40, 0, {"row 0"}},  // from none, Down selects the first row
        {-1, 38, 0, {"row 0"}},  // and so does Up
        {3, 40, 4, {"row 3", "row 4"}},
        {0, 38, 0, {}},
        {29, 40, 29, {}},
        {4, 33, 4, {}},  // Page Up is not handled
        {4, 13, 4, {}},
    };
    for (const Case& c : cases) {
        SetUp();
        list->SetListIndex(c.from);
        Reset();
        list->OnKeyDown(c.key, 0);
        EXPECT_EQ(list->ListIndex(), c.to) << c.from << " key " << c.key;
        EXPECT_EQ(RowsDrawn(), c.rows) << c.from << " key " << c.key;
        EXPECT_EQ(surface.ops.empty(), c.rows.empty()) << c.from << " key " << c.key;
        EXPECT_TRUE(log.empty() && site.changed.empty()) << c.from << " key " << c.key;
    }
    list->Bar().KeyDown(40);  // keys the bar gets reach the list
    EXPECT_EQ(list->ListIndex(), 5);
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
