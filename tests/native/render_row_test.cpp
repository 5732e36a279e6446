// Row painting on the recording surface: geometry, colours, markers, numbers,
// the cut bottom row and the filler under the last row.
#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

using Ops = Lines;

class RenderRow : public ListTest {
protected:
    // The play icon we ship, for the play row's marker.
    RenderRow() { resources.custom["TCICON/PLAYICON"] = ShippedFile("resources/list/playicon.ico"); }
    // Border 1, rows 16 high, column 0 40 wide and column 1 100 wide (the
    // surface is exactly as wide as the columns ask, so nothing is stretched).
    void TwoColumns(int rows, int32_t height = 151, const char* captions = "No,Name") {
        New(144, height);
        Columns(captions, "40,100", "0,0", 1);
        static const char* cells[] = {"a,b", "c,d", "e,f", "g,h", "i,j", "k,l", "m,n", "o,p", "q,r", "s,t"};
        for (int i = 0; i < rows; ++i) Add(cells[i % 10]);
    }
};

TEST_F(RenderRow, WorkedGeometry) {
    TwoColumns(2);
    EXPECT_EQ(Row(0), (Ops{
                            "fill 1,17,143,33 #FFFFFF",
                            "textcolor #8F614C",
                            "text '1' 1,19,41,31 f0",
                            "text 'b' 45,19,140,31 f0",
                            "line 41,17,41,32 #F7FFFF",
                            "line 42,17,42,32 #F7FFFF",
                        }));
    // The last row also fills the rest of the row area with BackColor and
    // puts back the bottom border line.
    EXPECT_EQ(Row(1), (Ops{
                            "fill 1,33,143,49 #FAF6EA",
                            "textcolor #8F614C",
                            "text '2' 1,35,41,47 f0",
                            "text 'd' 45,35,140,47 f0",
                            "line 41,33,41,48 #F7FFFF",
                            "line 42,33,42,48 #F7FFFF",
                            "fill 1,49,143,150 #F7FFFF",
                            "line 0,150,144,150 #C3A378",
                        }));
}

TEST_F(RenderRow, RowsOutsideTheListOrTheViewPaintNothing) {
    TwoColumns(2);
    for (int i : {-1, 2, 32767}) EXPECT_TRUE(Row(i).empty()) << i;
    TwoColumns(0);
    EXPECT_TRUE(Row(0).empty());
}

TEST_F(RenderRow, BackgroundAndTextColours) {
    struct Case {
        const char* name;
        int16_t listIndex, playIndex, row;
        const char* fill;
        const char* text;
    } cases[] = {
        {"even row", -1, -1, 0, "#FFFFFF", "#8F614C"},
        {"odd row", -1, -1, 1, "#FAF6EA", "#8F614C"},
        {"selected", 1, -1, 1, "#CC9462", "#FFFFFF"},
        {"play row", -1, 1, 1, "#FAF6EA", "#12B753"},
        {"selected play row", 0, 0, 0, "#CC9462", "#FFFFFF"},
        {"other row than selected and play", 0, 1, 2, "#FFFFFF", "#8F614C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoColumns(3);
        list->SetListIndex(c.listIndex);
        list->SetPlayIndex(c.playIndex);
        Ops ops = Row(c.row);
        ASSERT_GE(ops.size(), 2u);
        const int32_t top = 17 + 16 * c.row;
        EXPECT_EQ(ops[0], "fill 1," + std::to_string(top) + ",143," + std::to_string(top + 16) + " " + c.fill);
        EXPECT_EQ(ops[1], std::string("textcolor ") + c.text);
    }
}

TEST_F(RenderRow, ColoursFollowTheRowsAcrossASingleRowScroll) {
    TwoColumns(20);  // 20 rows overflow the area: the bar is shown
    EXPECT_EQ(Row(1)[0], "fill 1,33,126,49 #FAF6EA");
    EXPECT_EQ(Row(2)[0], "fill 1,49,126,65 #FFFFFF");
    list->Bar().SetValue(1);
    ASSERT_EQ(list->FirstIndex(), 1);
    // Row 1 now stands at the top, row 2 below it, in the colours they had.
    EXPECT_EQ(Row(1)[0], "fill 1,17,126,33 #FAF6EA");
    EXPECT_EQ(Row(2)[0], "fill 1,33,126,49 #FFFFFF");
}

TEST_F(RenderRow, Markers) {
    struct Case {
        const char* name;
        bool checkBox, checked, play, arrow;
        Ops markers;
    } cases[] = {
        {"check box", true, false, false, true, {"blt 2,19,13,13 from CHK 0,0,13,13"}},
        {"checked box", true, true, false, true, {"blt 2,19,13,13 from CHK 26,0,13,13"}},
        {"play arrow over the box", true, true, true, true,
         {"blt 2,19,13,13 from CHK 26,0,13,13", "blt 2,19,13,13 from CHK 13,0,13,13"}},
        {"no arrow when bSeleArrow is off", true, false, true, false, {"blt 2,19,13,13 from CHK 0,0,13,13"}},
        {"play icon without check boxes", false, false, true, true, {"icon 3,19,12,12 n664"}},
        {"nothing", false, true, false, true, {}},
        {"no icon when bSeleArrow is off", false, false, true, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoColumns(2);
        list->SetLook(&ListLook::CheckBox, ToBool16(c.checkBox));
        list->SetLook(&ListLook::bSeleArrow, ToBool16(c.arrow));
        if (c.checked) {
            int32_t index = 0;
            Bool16 check = kTrue;
            list->SetCheckItem(index, check);
        }
        if (c.play) list->SetPlayIndex(0);
        Ops ops = Row(0);
        Ops markers = Only(ops, "blt");
        for (const auto& op : Only(ops, "icon")) markers.push_back(op);
        EXPECT_EQ(markers, c.markers);
        // Markers go over the cells: nothing but the marker follows them.
        if (!markers.empty()) {
            EXPECT_EQ(ops.back(), markers.back());
        }
    }
}

TEST_F(RenderRow, MarkersWithAThickBorderOrTallRows) {
    TwoColumns(2);
    list->SetLook(&ListLook::CheckBox, kTrue);
    list->SetBorderWidth(3);
    // Row 0 now starts at y 19; its text at 21.
    EXPECT_EQ(Only(Row(0), "blt"), (Ops{"blt 2,21,13,13 from CHK 0,0,13,13"}));
    list->SetLook(&ListLook::CheckBox, kFalse);
    list->SetLook(&ListLook::ItemHeight, 19);
    list->SetPlayIndex(0);
    // Row 0 at y 22: 3.5 pixels above the icon, rounded to the even 26.
    EXPECT_EQ(Only(Row(0), "icon"), (Ops{"icon 5,26,12,12 n664"}));
}

TEST_F(RenderRow, RowNumbers) {
    struct Case {
        const char* name;
        const char* captions;
        bool numbers;
        int16_t row;
        const char* text;
    } cases[] = {
        {"ascending from 1", "No,Name", true, 0, "text '1' 1,19,41,31 f0"},
        {"second row", "No,Name", true, 1, "text '2' 1,35,41,47 f0"},
        {"descending under the down mark", "No\u25BC,Name", true, 0, "text '10' 1,19,41,31 f0"},
        {"descending second row", "No\u25BC,Name", true, 1, "text '9' 1,35,41,47 f0"},
        {"the up mark counts up", "No\u25B2,Name", true, 0, "text '1' 1,19,41,31 f0"},
        {"mark not at the end", "\u25BCNo,Name", true, 0, "text '1' 1,19,41,31 f0"},
        {"own text without numbers", "No,Name", false, 0, "text 'a' 1,19,41,31 f0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoColumns(10, 200, c.captions);  // all ten fit: no bar narrows column 0
        list->SetLook(&ListLook::YnNeedNumCol, ToBool16(c.numbers));
        EXPECT_EQ(Only(Row(c.row), "text '")[0], c.text);
    }
}

TEST_F(RenderRow, BottomRowCutByTheEdge) {
    // Row 2 starts at y 49. Columns come after the rows, so the bar that
    // appeared took no column width.
    struct Case { const char* name; int32_t height; int rows; Ops ops; };
    const Case cases[] = {
        {"cut at 59; the last row puts the border back", 60, 3,
         {"fill 1,49,126,59 #FFFFFF", "textcolor #8F614C", "text '3' 1,51,41,59 f0", "text '' 45,51,140,59 f0",
          "line 41,49,41,58 #F7FFFF", "line 42,49,42,58 #F7FFFF", "line 0,59,144,59 #C3A378"}},
        {"ending on the border line, the fill stops above it", 65, 4,
         {"fill 1,49,126,64 #FFFFFF", "textcolor #8F614C", "text '3' 1,51,41,63 f0", "text '' 45,51,140,63 f0",
          "line 41,49,41,63 #F7FFFF", "line 42,49,42,63 #F7FFFF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        New(144, c.height);
        for (int i = 0; i < c.rows; ++i) Add("x");
        Columns("No,Name", "40,100", "0,0", 1);
        ASSERT_TRUE(list->Bar().Visible());
        EXPECT_EQ(Row(2), c.ops);
        if (c.rows < 4) Add("y");
        EXPECT_TRUE(Row(3).empty());  // starts on or below the edge
    }
    // Rows that exactly fill the area (no border, pen 2) leave no room for a filler.
    New(144, 64);
    list->SetLook(&ListLook::Border, kFalse);
    list->SetBorderWidth(2);
    for (int i = 0; i < 3; ++i) Add("x");
    EXPECT_EQ(Only(Row(2), "fill"), Ops{"fill 0,48,144,62 #FFFFFF"});
}

}  // namespace
}  // namespace mirelo::fake
