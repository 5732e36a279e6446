// Columns and layout: width distribution, the scroll bar's range, visibility
// and place, the hand-over of its width, and the resize handling.
#include "base/error.h"
#include "fakes/error_of.h"
#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

TEST_F(ListTest, AddItemAAndResizeHeadFitTheColumnsToTheWidth) {
    // The spread itself is the column model's table; here, the widths the
    // host's two calls take.
    New(400, 300);
    Columns("#,Title,Artist", "30,200,100", "1,0,0", 3);
    EXPECT_EQ(Widths(), (std::vector<int>{36, 238, 119, 0}));
    EXPECT_EQ(list->Columns().aligns.at(0), 1);
    EXPECT_EQ(ToUtf8(list->Columns().captions.at(1)), "Title");
    EXPECT_TRUE(surface.ops.empty());  // the new columns show at the next repaint
    list->ResizeHead();  // the bar's 17 pixels kept free, shown or not
    EXPECT_EQ(Widths(), (std::vector<int>{34, 227, 114, 0}));
    EXPECT_EQ(list->Columns().widthSum, 375);
    EXPECT_EQ(ErrorOf([&] { Columns("a,b", "0,0", "0,0", 1); }), kDivisionByZero);
}

TEST_F(ListTest, AddItemAFailsAtTheFirstMissingOrBadPart) {
    New(400, 300);
    struct Case { int count; const char* widths; const char* aligns; int error; std::vector<int> set; };
    const Case cases[] = {
        {2, "10,20", "0,0,0", kSubscriptOutOfRange, {10, 20}},
        {2, "10,20,30", "0,0", kSubscriptOutOfRange, {10, 20, 30}},
        {2, "10,x,30", "0,0,0", kTypeMismatch, {10}},
        {2, "10,40000,30", "0,0,0", kOverflow, {10}},
        // Past the last slot: refused before anything changes.
        {21, "10,20,30", "0,0,0", kSubscriptOutOfRange, {}},
    };
    for (const Case& c : cases) {
        Columns("p,q,r", "1,1,1", "0,0,0", 0);  // reset to known columns
        std::vector<int> want = Widths(3);
        std::copy(c.set.begin(), c.set.end(), want.begin());
        const int16_t sum = list->Columns().widthSum;
        EXPECT_EQ(ErrorOf([&] { Columns("a,b,c", c.widths, c.aligns, c.count); }), c.error) << c.widths;
        EXPECT_EQ(Widths(3), want) << c.widths;
        EXPECT_EQ(list->Columns().widthSum, sum) << "the total is not updated";
    }
    EXPECT_EQ(list->Columns().count, 0);
    EXPECT_EQ(ToUtf8(list->Columns().captions.at(0)), "p");
    // The control works on after the refused count: rows, repaint, resize and cell data.
    Fill(2);
    EXPECT_EQ(ErrorOf([&] {
        list->Refresh();
        list->ResizeHead();
        int32_t row = 1;
        Text cells = u"x";
        list->SetItemData(row, cells);
    }), 0);
    EXPECT_EQ(Cell(1, 1), "x");
    EXPECT_EQ(ErrorOf([&] { Columns("a", "10", "0", 40000); }), kOverflow);
}

TEST_F(ListTest, SlotsBeyondTheLastCaptionKeepTheirDefinition) {
    New(400, 300);
    Columns("a,b,c", "100,100,100", "0,1,2", 2);
    Columns("x", "50", "0", 0);
    EXPECT_EQ(ToUtf8(list->Columns().captions.at(1)), "b");
    EXPECT_EQ(list->Columns().aligns.at(2), 2);
}

TEST_F(ListTest, TheBarAppearsTakingTheLastColumnsWidthAndGivesItBack) {
    New(400, 194);  // row area 194 - 16 - 2 = 176: eleven rows fill it exactly
    Columns("#,a,b", "30,100,100", "0,0,0", 3);
    const auto before = Widths(3);
    Fill(11);
    EXPECT_EQ(list->RowAreaHeight(), 176);
    EXPECT_FALSE(list->Bar().Visible());  // rows that exactly fill the area need no bar
    EXPECT_EQ(list->Bar().Max(), 0);
    Fill(1);
    EXPECT_TRUE(list->Bar().Visible());
    EXPECT_EQ(list->Bar().Max(), 1);
    EXPECT_EQ(list->Columns().widths.at(2), before[2] - 17);
    list->RemoveItem(0);
    EXPECT_FALSE(list->Bar().Visible());
    EXPECT_EQ(Widths(3), before);
}

TEST_F(ListTest, ClearHidesTheBarButLeavesTheColumnNarrow) {
    New(400, 50);
    Columns("#,a,b", "30,100,100", "0,0,0", 3);
    Fill(2);
    const int narrow = list->Columns().widths.at(2) - 17;
    Fill(1);
    list->Clear();
    EXPECT_FALSE(list->Bar().Visible());
    EXPECT_EQ(list->Columns().widths.at(2), narrow);
    // Filled again, the first row gives the width back and the third takes it once.
    Fill(3);
    EXPECT_EQ(list->Columns().widths.at(2), narrow);
}

TEST_F(ListTest, WithoutColumnsTheBarAppearsWithoutAnError) {
    New(400, 50);
    Fill(2);
    EXPECT_EQ(ErrorOf([&] { Fill(1); }), 0);
    EXPECT_EQ(list->ListCount(), 3);
    EXPECT_TRUE(list->Bar().Visible());
}

TEST_F(ListTest, ResizeAsTheHostSeesIt) {
    // 40 rows, 300 high: 17 whole rows and a cut one. The host's Resize
    // handler reads LastIndex as the layout before this resize left it; only
    // a shrinking control repaints (all of it) at once, which counts rows anew.
    struct Case { const char* name; int width, height; bool paints; int16_t lastIndex; };
    const Case cases[] = {
        {"wider", 500, 300, false, 18},
        {"taller", 400, 400, false, 18},
        {"lower", 400, 200, true, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        New(400, 300);
        Fill(40);
        int16_t seen = -2;
        events.onResize = [&] { seen = list->LastIndex(); };
        Reset();
        surface.width = c.width;
        surface.height = c.height;
        list->OnResize();
        EXPECT_EQ(EndsWithPicture(), c.paints);
        EXPECT_EQ(seen, c.lastIndex);
        EXPECT_EQ(log.back(), "Resize");
        events.onResize = nullptr;
    }
}

}  // namespace
}  // namespace mirelo::fake
