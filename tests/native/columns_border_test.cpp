// Column-border drag: the marker over the gaps, the line over the still
// picture, the widths at the release and the one deferred repaint.
#include "columns_fixture.h"

namespace mirelo::fake {
namespace {

class BorderTest : public ColumnsTest {
protected:
    // Three columns, 100 pixels each unless given; with `slots` 3 the empty
    // slot after them takes part as hosts usually call AddItemA.
    void Make(const char* widths = "100,100,100", int slots = 2, int sum = 300) {
        NewWithGestures(slots * 2 + sum + 2);
        Columns("a,b,c", widths, "0,0,0", slots);
        Fill(3);
        ResetAll();
    }
};

TEST_F(BorderTest, TheReleaseResizesTheColumnsOfTheBorderUnderTheMarker) {
    // The width rules themselves are the column model's tables; here, which
    // border a gap is and how far the line went.
    struct Case { const char* widths; int slots, sum; float gap, offset, distance; std::vector<int> want; };
    const Case cases[] = {
        {"100,100,100", 2, 300, 102, 0, 40, {140, 80, 80}},
        {"100,100,100", 3, 300, 204, 0, -40, {80, 80, 140, 0}},
        {"100,100,100", 2, 300, 102, 1, 40, {140, 80, 80}},      // pressed 1 pixel inside the marker
        {"100,0,100", 2, 200, 104, 0, -40, {60, 0, 140}},        // across a hidden slot
    };
    for (const Case& c : cases) {
        Make(c.widths, c.slots, c.sum);
        DragBorder(c.gap, c.offset, c.distance);
        EXPECT_EQ(Widths(), c.want) << c.widths << " at " << c.gap << " by " << c.distance;
        EXPECT_EQ(list->Columns().widthSum, c.sum);
    }
}

TEST_F(BorderTest, PressAndReleaseInPlaceRepaintsOnceAfterTenMilliseconds) {
    for (float offset : {0.0f, 1.0f}) {
        Make();
        DragBorder(102, offset, 0);
        EXPECT_EQ(Widths(), (std::vector<int>{100, 100, 100})) << offset;
        EXPECT_EQ(timers.log, Lines{"set 1 10"});
        EXPECT_EQ(FullPaints(), 0u);
        timers.Advance(9);
        EXPECT_EQ(FullPaints(), 0u);
        timers.Advance(1);
        EXPECT_EQ(FullPaints(), 1u);
        timers.Advance(100);
        EXPECT_EQ(FullPaints(), 1u);
        EXPECT_EQ(timers.log, (Lines{"set 1 10", "kill 1"}));
    }
}

TEST_F(BorderTest, TheLineFollowsThePointerOverAStillPicture) {
    Make();
    Move(102);
    EXPECT_EQ(splitter.log, (Lines{"move 101,1,2,16", "show"}));
    splitter.log.clear();
    Move(150, 100);  // off the gap and back onto the marker, which stays: paints are no longer suppressed
    SplitterDown(102);
    EXPECT_EQ(picBack.log, (Lines{"cls", "copy 256", "show"}));
    EXPECT_TRUE(list->Header().BorderDragging());
    for (float x : {110.0f, 120.0f, 130.0f, 130.0f, 125.0f}) SplitterMove(x);
    // Nothing of the list paints while the picture stands in for it.
    list->OnPaint();
    EXPECT_EQ(FullPaints(), 0u);
    SplitterUp(125);
    EXPECT_EQ(splitter.log, (Lines{"back #181818", "move 102,1,1,300", "move 110,1,1,300", "move 120,1,1,300",
                                   "move 130,1,1,300", "move 125,1,1,300", "hide", "back #F7FFFF", "hide"}));
    EXPECT_EQ(picBack.log.back(), "hide");
    // 23 right: both shares of 11.5 round to 12, and the total drifts by one.
    EXPECT_EQ(Widths(), (std::vector<int>{123, 88, 88}));
    // Suppressed until the pointer comes back over the control; the timer's
    // repaint does not wait for that.
    list->OnPaint();
    EXPECT_EQ(FullPaints(), 0u);
    timers.Advance(10);
    EXPECT_EQ(FullPaints(), 1u);
    Move(150, 100);
    list->OnPaint();
    EXPECT_EQ(FullPaints(), 2u);
}

TEST_F(BorderTest, MarkerOnlyOverGapsBetweenShownColumns) {
    struct Case { float x, y; int left; };  // left -1: no marker
    const Case cases[] = {
        {101, 8, 101}, {102, 8, 101}, {103, 8, 101}, {100, 8, -1}, {104, 8, -1},
        {204, 8, 203},
        {1, 8, -1},     // left of the first column
        {306, 8, -1},   // right of the last column, where the empty slot starts
        {102, 3, 101}, {102, 2, -1}, {102, 16, -1}, {102, 40, -1},
    };
    for (const Case& c : cases) {
        Make("100,100,100", 3);
        Move(c.x, c.y);
        EXPECT_EQ(splitter.shown, c.left >= 0) << c.x << "," << c.y;
        if (c.left >= 0) {
            EXPECT_EQ(list->Header().Splitter().Left(), c.left);
        }
        // Over a gap the system's paint requests are ignored.
        list->OnPaint();
        EXPECT_EQ(FullPaints(), c.left >= 0 ? 0u : 1u) << c.x << "," << c.y;
    }
}

TEST_F(BorderTest, AnotherButtonEndsTheDragOnce) {
    Make();
    Move(102);
    SplitterDown(101);
    SplitterMove(121);
    SplitterDown(121, 2);
    EXPECT_FALSE(list->Header().BorderDragging());
    EXPECT_EQ(Widths(), (std::vector<int>{120, 90, 90}));
    // The left button's own release afterwards resizes nothing more.
    SplitterUp(121);
    EXPECT_EQ(Widths(), (std::vector<int>{120, 90, 90}));
    EXPECT_EQ(timers.log, Lines{"set 1 10"});
}

TEST_F(BorderTest, ReleasesThatEndNoDragChangeNothing) {
    // A right click on the marker; then a drag whose picture could not be taken.
    Make();
    DragBorder(102, 0, 30);
    timers.Advance(10);
    ResetAll();
    Move(102);
    SplitterDown(120, 2);
    SplitterUp(140, 2);
    EXPECT_EQ(Widths(), (std::vector<int>{130, 85, 85}));
    EXPECT_TRUE(timers.log.empty());

    Make();
    picBack.copyWorks = false;
    DragBorder(102, 0, 40);
    EXPECT_FALSE(picBack.shown);
    EXPECT_EQ(Widths(), (std::vector<int>{100, 100, 100}));
    EXPECT_TRUE(timers.log.empty());
}

TEST_F(BorderTest, SizeCursorOnEveryMoveWithoutPilingUpCursors) {
    Make();
    Move(102);
    for (float x : {101.0f, 102.0f, 101.0f, 102.0f}) SplitterMove(x);
    EXPECT_EQ(shapes.shown, (Lines{"SizeWE.cur", "SizeWE.cur", "SizeWE.cur", "SizeWE.cur"}));
    EXPECT_EQ(shapes.loads, 4);
    EXPECT_EQ(shapes.live.size(), 1u);
    SplitterDown(102);
    SplitterMove(140);
    SplitterUp(140);
    EXPECT_EQ(shapes.shown.back(), "arrow");
    EXPECT_TRUE(shapes.live.empty());
    EXPECT_FALSE(shapes.destroyedWhileShown);
    EXPECT_FALSE(shapes.destroyedUnknown);
}

TEST_F(BorderTest, WorksWithoutTheGestureWindows) {
    // A list without a window of its own (hosts that only call it) still resizes.
    NewWithGestures(306);
    list = std::make_unique<MireloList>(ListPorts{surface, gdi, site, resources, about});
    list->InitProperties();
    Columns("a,b,c", "100,100,100", "0,0,0", 2);
    Fill(3);
    DragBorder(102, 0, 40);
    EXPECT_EQ(Widths(), (std::vector<int>{140, 80, 80}));
}

}  // namespace
}  // namespace mirelo::fake
