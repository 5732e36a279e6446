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
    EXPECT_TRUE(surface.ops.empty());  // the new columns show at the next repaint
    list->ResizeHead();  // the bar's 17 pixels kept free, shown or not
    EXPECT_EQ(Widths(), (std::vector<int>{34, 227, 114, 0}));
    EXPECT_EQ(list->Columns().widthSum, 375);
}

// A definition that fails anywhere changes no column: captions, widths,
// alignments, count and total stay as they were.
TEST_F(ListTest, AddItemARefusedChangesNoColumn) {
    New(400, 300);
    struct Case { int count; const char* widths; const char* aligns; int error; };
    const Case cases[] = {
        {2, "10,20", "0,0,0", kSubscriptOutOfRange},
        {2, "10,20,30", "0,0", kSubscriptOutOfRange},
        {2, "10,x,30", "0,0,0", kTypeMismatch},
        {2, "10,40000,30", "0,0,0", kOverflow},
        {1, "32767,1,0", "0,0,0", kOverflow},       // each width fits, their total does not
        {2, "-30000,30000,1", "0,0,0", kOverflow},  // the spread over a total of 1 overflows
        {21, "10,20,30", "0,0,0", kSubscriptOutOfRange},
    };
    for (const Case& c : cases) {
        Columns("p,q,r", "1,1,1", "0,1,2", 0);  // reset to known columns
        const std::vector<int> want = Widths(3);
        const int16_t sum = list->Columns().widthSum;
        EXPECT_EQ(ErrorOf([&] { Columns("a,b,c", c.widths, c.aligns, c.count); }), c.error) << c.widths;
        EXPECT_EQ(Widths(3), want) << c.widths;
        EXPECT_EQ(list->Columns().widthSum, sum) << c.widths;
        EXPECT_EQ(ToUtf8(list->Columns().captions.at(1)), "q") << c.widths;
        EXPECT_EQ(list->Columns().aligns.at(2), 2) << c.widths;
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

// Widths summing to 0 have nothing to spread: the columns are defined as
// given and nothing fails, now or when they are fitted again.
TEST_F(ListTest, ColumnsOfNoTotalWidthAreDefinedAsGiven) {
    struct Case { int count; const char* captions; const char* widths; std::vector<int> want; };
    const Case cases[] = {
        {1, "a,b", "0,0", {0, 0}},
        {1, "a,b", "5,-5", {5, -5}},
        {-1, "", "", {0, 0}},
        {0, "", "", {0, 0}},
        {-1, "a", "40", {40, 0}},  // slot 0 is read even for a negative count; nothing takes part
    };
    for (const Case& c : cases) {
        New(400, 300);
        const std::string aligns = c.captions[0] ? "0,0" : "";
        EXPECT_EQ(ErrorOf([&] { Columns(c.captions, c.widths, aligns.c_str(), c.count); }), 0) << c.widths;
        EXPECT_EQ(ErrorOf([&] { list->ResizeHead(); }), 0) << c.widths;
        EXPECT_EQ(Widths(2), c.want) << c.widths;
        EXPECT_EQ(list->Columns().count, c.count);
    }
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
