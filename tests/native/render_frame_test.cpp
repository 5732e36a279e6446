// Whole-surface painting: the empty list, the header band, the border, the
// designer's look, a thick pen and columns of width 0.
#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

using Ops = Lines;

class RenderFrame : public ListTest {
protected:
    // Two columns that fill a 144-pixel surface (border 1) exactly.
    void TwoColumns(int32_t height = 151, bool userMode = true) {
        New(144, height, userMode);
        Columns("No,Name", "40,100", "0,0", 1);
    }
    // What shows: an operation done again later shows where it is last done.
    static Ops Shown(const Ops& ops) {
        Ops out;
        for (auto op = ops.rbegin(); op != ops.rend(); ++op)
            if (std::find(out.begin(), out.end(), *op) == out.end()) out.insert(out.begin(), *op);
        return out;
    }
};

TEST_F(RenderFrame, EmptyListAndDesigner) {
    struct Case {
        const char* name;
        bool userMode, border;
        Ops expected;
    } cases[] = {
        {"with border: fill inside it, box, header", true, true,
         {"box 0,0,143,150 #C3A378 w1", "fill 1,1,143,150 #F7FFFF", "fill 1,1,143,17 #DED3CD", "textcolor #8F614C",
          "text 'No' 1,4,41,20 f1", "text 'Name' 43,4,143,20 f1", "line 41,1,41,17 #F7FFFF", "line 42,1,42,17 #F7FFFF"}},
        // Captions stay at y 4 and separators still start at the pen width.
        {"without border: cleared, header from the corner", true, false,
         {"cls #F7FFFF", "fill 0,0,144,16 #DED3CD", "textcolor #8F614C", "text 'No' 0,4,40,20 f1",
          "text 'Name' 42,4,142,20 f1", "line 40,1,40,17 #F7FFFF", "line 41,1,41,17 #F7FFFF"}},
        // The designer shows the name and the frame only.
        {"designer with border", false, true,
         {"cls #F7FFFF", "textcolor #8F614C", "print 3,3 'MireloList1'", "box 0,0,143,150 #C3A378 w1"}},
        {"designer without border", false, false,
         {"cls #F7FFFF", "textcolor #8F614C", "print 2,2 'MireloList1'", "focusrect 0,0,144,151"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoColumns(151, c.userMode);
        list->SetLook(&ListLook::Border, ToBool16(c.border));
        EXPECT_EQ(Shown(Picture()), c.expected);
    }
}

TEST_F(RenderFrame, PaintListPaintsTheHeaderThenEveryVisibleRow) {
    TwoColumns();
    Add("a,b");
    Add("c,d");
    Ops ops = Picture(&MireloList::PaintList);
    EXPECT_EQ(Only(ops, "text '"), (Ops{"text 'No' 1,4,41,20 f1", "text 'Name' 43,4,143,20 f1", "text '1' 1,19,41,31 f0",
                                       "text 'b' 45,19,140,31 f0", "text '2' 1,35,41,47 f0", "text 'd' 45,35,140,47 f0"}));
    EXPECT_EQ(ops.front(), "fill 1,1,143,17 #DED3CD");  // no background fill under rows
    EXPECT_EQ(ops.back(), "line 0,150,144,150 #C3A378");
}

TEST_F(RenderFrame, ThickPen) {
    TwoColumns();
    Add("a,b");
    list->SetBorderWidth(3);  // the bar's place inside it is the geometry's and the Wine tests'
    EXPECT_EQ(Picture(), (Ops{"box 0,0,143,150 #C3A378 w3", "fill 3,3,141,19 #DED3CD", "textcolor #8F614C",
                              "text 'No' 3,6,43,22 f1", "text 'Name' 45,6,145,22 f1", "line 43,3,43,19 #F7FFFF",
                              "line 44,3,44,19 #F7FFFF", "fill 3,19,141,35 #FFFFFF", "textcolor #8F614C",
                              "text '1' 3,21,43,33 f0", "text 'b' 47,21,140,33 f0", "line 43,19,43,34 #F7FFFF",
                              "line 44,19,44,34 #F7FFFF", "fill 3,35,141,148 #F7FFFF",
                              "line 0,148,144,148 #C3A378"}));
    // The rows painted run to 8 whole rows plus the pen width, as the host reads it.
    for (int i = 0; i < 20; ++i) Add("x");
    list->PaintAll();
    EXPECT_EQ(list->LastIndex(), 0 + 8 + 3);
}

TEST_F(RenderFrame, HeaderStopsAtAVisibleScrollBar) {
    New(144, 60);
    for (int i = 0; i < 3; ++i) Add("x");
    ASSERT_TRUE(list->Bar().Visible());
    EXPECT_EQ(Picture(&MireloList::PaintHeader)[0], "fill 1,1,126,17 #DED3CD");
    list->SetLook(&ListLook::Border, kFalse);
    EXPECT_EQ(Picture(&MireloList::PaintHeader)[0], "fill 0,0,127,16 #DED3CD");
}

TEST_F(RenderFrame, ColumnsOfWidthZeroShowNothing) {
    struct Case {
        const char* name;
        int count;
        const char* captions;
        const char* widths;
        int32_t surfaceWidth;
        Ops header, row;
    } cases[] = {
        {"middle column", 2, "A,B,C", "40,0,100", 146,
         {"text 'A' 1,4,41,20 f1", "text 'C' 45,4,145,20 f1", "line 43,1,43,17 #F7FFFF",
          "line 44,1,44,17 #F7FFFF"},
         {"text '1' 1,19,41,31 f0", "text 'c' 47,19,142,31 f0", "line 43,17,43,32 #F7FFFF",
          "line 44,17,44,32 #F7FFFF"}},
        // Column 0 hidden: no number, but column 1 keeps its separator.
        {"first column", 1, "No,Name", "0,100", 104,
         {"text 'Name' 3,4,103,20 f1", "line 1,1,1,17 #F7FFFF", "line 2,1,2,17 #F7FFFF"},
         {"text 'b' 5,19,100,31 f0", "line 1,17,1,32 #F7FFFF", "line 2,17,2,32 #F7FFFF"}},
    };
    // The cell texts, then the separators.
    const auto cells = [](const Ops& ops) {
        Ops out = Only(ops, "text '");
        for (const auto& op : Only(ops, "line")) out.push_back(op);
        return out;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        New(c.surfaceWidth, 151);
        Columns(c.captions, c.widths, "0,0,0", c.count);
        Add("a,b,c");
        EXPECT_EQ(cells(Picture(&MireloList::PaintHeader)), c.header);
        Add("d,e,f");  // row 0 is then not the last: no filler or border line
        EXPECT_EQ(cells(Row(0)), c.row);
    }
}

}  // namespace
}  // namespace mirelo::fake
