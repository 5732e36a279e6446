// What a screen reader is told: names, places and states from the list's own
// state, checked against what the painter draws and the mouse hits.
#include <cstdio>

#include "fakes/list_fixture.h"
#include "listctl/accessibility_model.h"

namespace mirelo::fake {
namespace {

using Part = AccessiblePart;

class AccessibleModelTest : public ListTest {
protected:
    AccessibilityModel Model() const { return AccessibilityModel(*list, surface.width, surface.height); }
    std::string Name(Part part, int index = -1) const { return Utf8(Model().Name({part, int16_t(index)})); }
    std::string Description(Part part, int index = -1) const {
        return Utf8(Model().Description({part, int16_t(index)}));
    }
    AccessibleState State(int row, bool focus = false) const { return Model().State({Part::Row, int16_t(row)}, focus); }

    // Eleven rows and a part in view (rows 16 high below a 16-pixel header),
    // the bar placed inside the border as the window's size message places it.
    void ThirtyRows() {
        New(400, 194);
        Columns("#,a", "30,100", "0,0", 1);
        for (int i = 0; i < 30; ++i) Add("x,y");
        list->OnResize();
    }
    // Paints row i alone and reads back its box and the cell texts drawn in it.
    void PaintedRow(int i, std::string& box, std::string& name) {
        box.clear();
        name.clear();
        for (const std::string& op : Row(i)) {
            if (box.empty() && op.rfind("fill ", 0) == 0) box = op.substr(5, op.rfind(' ') - 5);
            if (op.rfind("text '", 0) != 0) continue;
            const std::string text = op.substr(6, op.find("' ") - 6);
            if (!text.empty()) name += (name.empty() ? "" : ", ") + text;
        }
    }
};

TEST_F(AccessibleModelTest, RowsSayAndSitWhereThePainterDrawsThem) {
    struct Case {
        const char* what;
        bool border, numbers;
        const char* captions;
        const char* widths;
        int scroll;
    };
    const Case cases[] = {
        {"defaults", true, true, "#,a,b", "30,100,100", 0},
        {"no border", false, true, "#,a,b", "30,100,100", 0},
        {"no numbers", true, false, "#,a,b", "30,100,100", 0},
        {"hidden column", true, true, "#,a,b", "30,0,100", 0},
        {"numbers counting down", true, true, "#\u25BC,a,b", "30,100,100", 0},
        {"scrolled", true, true, "#,a,b", "30,100,100", 7},
        {"scrolled to the end, no border", false, false, "#,a,b", "30,100,100", 9},
    };
    for (const Case& c : cases) {
        New(400, 194);
        list->SetLook(&ListLook::Border, c.border ? kTrue : kFalse);
        list->SetLook(&ListLook::YnNeedNumCol, c.numbers ? kTrue : kFalse);
        Columns(c.captions, c.widths, "0,0,0", 2);
        for (int i = 0; i < 20; ++i)
            Add(("r" + std::to_string(i) + (i % 3 == 0 ? ",," : ",a" + std::to_string(i) + ",") + "b" +
                 std::to_string(i))
                    .c_str());
        list->Bar().SetValue(c.scroll);
        ASSERT_EQ(list->FirstIndex(), c.scroll) << c.what;
        const AccessibilityModel model = Model();
        int compared = 0;
        for (int i = list->FirstIndex(); i <= list->LastIndex(); ++i) {
            std::string box, name;
            PaintedRow(i, box, name);
            if (box.empty()) continue;  // below the bottom edge: not painted
            const AccessibleElement row{Part::Row, int16_t(i)};
            EXPECT_EQ(Utf8(model.Name(row)), name) << c.what << " row " << i;
            const Rect r = model.Location(row);
            // The painter stops the fill short of a bottom edge that cuts the row.
            if (r.bottom <= surface.height - surface.pen) {
                EXPECT_EQ(RectText(r), box) << c.what << " row " << i;
            }
            EXPECT_FALSE(model.State(row, false).offscreen) << c.what << " row " << i;
            ++compared;
        }
        EXPECT_GE(compared, 10) << c.what;
    }
}

TEST_F(AccessibleModelTest, RowsOutsideTheViewAreOffscreen) {
    ThirtyRows();
    list->Bar().SetValue(5);
    struct Case { int row; bool offscreen; };
    const Case cases[] = {{0, true}, {4, true}, {5, false}, {15, false}, {16, true}, {29, true}};
    for (const Case& c : cases) EXPECT_EQ(State(c.row).offscreen, c.offscreen) << c.row;
    // Rows above the view sit above the header, as far up as they are away.
    EXPECT_EQ(Model().Location({Part::Row, 4}).top, 1);
    EXPECT_EQ(Model().Location({Part::Row, 3}).top, -15);
}

TEST_F(AccessibleModelTest, NamesDescriptionsAndStates) {
    New(400, 194);
    site.name = u"lstSongs";
    Columns("#,Title\u25B2,Artist\u25BC,Album", "30,100,100,0", "0,0,0,0", 3);
    Add("a,Song,Band,Hidden");
    Add("b,,Other,");
    EXPECT_EQ(Name(Part::List), "lstSongs");
    EXPECT_EQ(Name(Part::Header), "Header");
    EXPECT_EQ(Name(Part::HeaderCell, 1), "Title");
    EXPECT_EQ(Description(Part::HeaderCell, 1), "sorted ascending");
    EXPECT_EQ(Name(Part::HeaderCell, 2), "Artist");
    EXPECT_EQ(Description(Part::HeaderCell, 2), "sorted descending");
    EXPECT_EQ(Description(Part::HeaderCell, 0), "");
    EXPECT_EQ(Name(Part::Row, 0), "1, Song, Band");  // the zero-wide column says nothing
    EXPECT_EQ(Name(Part::Row, 1), "2, Other");
    site.name.clear();
    EXPECT_EQ(Name(Part::List), "MireloList");
    list->Clear();
    EXPECT_EQ(Utf8(Model().DefaultAction({Part::HeaderCell, 1})), "");  // an empty list ignores header clicks
    Add("a,Song,Band,Hidden");
    Add("b,,Other,");

    EXPECT_EQ(Utf8(Model().DefaultAction({Part::Row, 0})), "Play");
    EXPECT_EQ(Utf8(Model().DefaultAction({Part::HeaderCell, 0})), "Sort");  // the numbers sort too
    EXPECT_EQ(Utf8(Model().DefaultAction({Part::HeaderCell, 2})), "Sort");
    EXPECT_EQ(Utf8(Model().DefaultAction({Part::Header, -1})), "");
    Columns("#,Title,Artist,Album", "30,100,4,264", "0,0,0,0", 3);  // as wide as the list
    ASSERT_EQ(list->Columns().widths.at(2), 4);
    EXPECT_EQ(Utf8(Model().DefaultAction({Part::HeaderCell, 2})), "");  // too narrow for a press
    list->SetPlayIndex(1);
    EXPECT_EQ(Description(Part::Row, 1), "play row");
    EXPECT_EQ(Description(Part::Row, 0), "");

    list->SetListIndex(0);
    int32_t one = 1;
    Bool16 on = kTrue;
    list->SetCheckItem(one, on);
    struct Case { bool checkBoxes; int row; bool focus; bool selected, focused, checked; };
    const Case cases[] = {
        {false, 0, false, true, false, false},
        {false, 0, true, true, true, false},
        {false, 1, true, false, false, false},  // checked, but no check box shows it
        {true, 1, true, false, false, true},
        {true, 0, true, true, true, false},
    };
    for (const Case& c : cases) {
        list->SetLook(&ListLook::CheckBox, c.checkBoxes ? kTrue : kFalse);
        const AccessibleState s = State(c.row, c.focus);
        EXPECT_EQ(s.selected, c.selected) << c.row;
        EXPECT_EQ(s.focused, c.focused) << c.row;
        EXPECT_EQ(s.checked, c.checked) << c.row;
        EXPECT_TRUE(s.selectable && s.focusable);
    }
    EXPECT_TRUE(Model().State({Part::List, -1}, true).focused);
    EXPECT_FALSE(Model().State({Part::List, -1}, false).focused);
}

TEST_F(AccessibleModelTest, ChildrenAreNumberedHeaderRowsBar) {
    New(400, 194);
    Columns("#,a,b,c", "30,0,100,100", "0,0,0,0", 3);
    for (int i = 0; i < 3; ++i) Add("x,y,z,w");
    const AccessibilityModel m = Model();
    EXPECT_EQ(m.ListChildCount(), 5);
    const AccessibleElement want[] = {{Part::Header, -1}, {Part::Row, 0}, {Part::Row, 1}, {Part::Row, 2}, {Part::Bar, -1}};
    for (int id = 1; id <= 5; ++id) {
        AccessibleElement e;
        ASSERT_TRUE(m.ListChild(id, e)) << id;
        EXPECT_EQ(e, want[id - 1]) << id;
        EXPECT_EQ(m.ListChildId(e), id);
    }
    AccessibleElement e;
    EXPECT_FALSE(m.ListChild(0, e));
    EXPECT_FALSE(m.ListChild(6, e));
    // The zero-wide column is no header cell.
    EXPECT_EQ(m.HeaderChildCount(), 3);
    ASSERT_TRUE(m.HeaderChild(2, e));
    EXPECT_EQ(e, (AccessibleElement{Part::HeaderCell, 2}));
    EXPECT_EQ(m.HeaderChildId(1), 0);
    EXPECT_EQ(m.HeaderChildId(3), 3);
    EXPECT_FALSE(m.HeaderChild(4, e));
}

TEST_F(AccessibleModelTest, HeaderCellsSitWhereThePainterDrawsThem) {
    for (bool border : {true, false}) {
        New(400, 194);
        list->SetLook(&ListLook::Border, border ? kTrue : kFalse);
        Columns("#,a,b\u25B2,c", "30,40,0,100", "0,0,0,0", 3);
        surface.ops.clear();
        list->PaintHeader();
        const AccessibilityModel m = Model();
        std::string painted, model;
        for (const std::string& op : surface.ops) {
            if (op.rfind("text '", 0) != 0) continue;
            int l = 0, t = 0, r = 0, b = 0;
            const size_t at = op.find("' ") + 2;
            ASSERT_EQ(std::sscanf(op.c_str() + at, "%d,%d,%d,%d", &l, &t, &r, &b), 4) << op;
            painted += op.substr(5, at - 5) + std::to_string(l) + "," + std::to_string(r) + " ";
        }
        for (int id = 1; id <= m.HeaderChildCount(); ++id) {
            AccessibleElement cell;
            ASSERT_TRUE(m.HeaderChild(id, cell));
            const Rect r = m.Location(cell);
            // The caption as drawn (marker and all) and its cell's left and right.
            model += "'" + Utf8(list->Columns().captions.at(cell.index)) + "' " + std::to_string(r.left) + "," +
                     std::to_string(r.right) + " ";
            EXPECT_EQ(r.top, list->Geometry().Inset());
            EXPECT_EQ(r.Height(), 16);
        }
        EXPECT_EQ(model, painted) << border;
    }
}

TEST_F(AccessibleModelTest, HitTestsAnswerAsTheMouseDoes) {
    struct Case { bool border; int x, y; bool inside; Part part; int index; };
    // Cells in the band: "#" 1..31, "a" 33..133, "b" 135..235 (both ends
    // count, as for a header drop; x 32 is between two cells); rows from
    // y 17, 16 high, five of them.
    // Without a border the mouse still counts the pen: y 16 is header band
    // although the painter puts row 0 there.
    const Case cases[] = {
        {true, 10, 5, true, Part::HeaderCell, 0},
        {true, 40, 5, true, Part::HeaderCell, 1},
        {true, 235, 16, true, Part::HeaderCell, 2},
        {true, 32, 5, true, Part::Header, -1},
        {true, 50, 17, true, Part::Row, 0},
        {true, 50, 96, true, Part::Row, 4},
        {true, 50, 97, true, Part::List, -1},  // below the last row
        {true, 236, 5, false, Part::List, -1},
        {true, -1, 50, false, Part::List, -1},
        {true, 50, 194, false, Part::List, -1},
        {false, 50, 16, true, Part::HeaderCell, 1},
        {false, 50, 17, true, Part::Row, 0},
    };
    for (const Case& c : cases) {
        New(236, 194);
        list->SetLook(&ListLook::Border, c.border ? kTrue : kFalse);
        Columns("#,a,b", "30,100,100", "0,0,0", 2);
        for (int i = 0; i < 5; ++i) Add("x,y,z");
        AccessibleElement e;
        ASSERT_EQ(Model().HitTest(c.x, c.y, e), c.inside) << c.x << "," << c.y;
        if (!c.inside) continue;
        EXPECT_EQ(e, (AccessibleElement{c.part, int16_t(c.index)})) << c.x << "," << c.y;
        if (c.part == Part::Row) {
            EXPECT_EQ(list->IndexFromPoint(Variant(c.x), Variant(c.y)), c.index);
        }
    }
}

TEST_F(AccessibleModelTest, TheBarTellsItsValueAndRange) {
    New(400, 194);
    const AccessibleElement bar{Part::Bar, -1};
    EXPECT_TRUE(Model().State(bar, false).invisible);
    ThirtyRows();
    list->Bar().SetValue(4);
    EXPECT_FALSE(Model().State(bar, false).invisible);
    EXPECT_EQ(Utf8(Model().Value(bar)), "4");
    EXPECT_EQ(Utf8(Model().Description(bar)), "minimum 0, maximum " + std::to_string(list->Bar().Max()));
    const Rect r = Model().Location(bar);
    EXPECT_EQ(r.right, 399);  // inside the border
    EXPECT_EQ(Model().Location({Part::Row, 4}).right, r.left);
    AccessibleElement e;
    ASSERT_TRUE(Model().HitTest(r.left - 1, 100, e));
    EXPECT_EQ(e.part, Part::Row);
}

TEST_F(AccessibleModelTest, TheBarsPartsAreItsArrowsPagesAndThumb) {
    ThirtyRows();
    const Rect bar = Model().Location({Part::Bar, -1});
    // Per part from the top: its name, action and states, "u" unavailable,
    // "i" invisible (an empty page area), "p" pressed.
    struct Case { const char* what; int value; bool enabled; bool press; const char* parts; };
    const Case cases[] = {
        {"top", 0, true, false,
         "Line up/Line up/u Page up/Page up/iu Position// Page down/Page down/ Line down/Line down/"},
        {"middle", 9, true, false,
         "Line up/Line up/ Page up/Page up/ Position// Page down/Page down/ Line down/Line down/"},
        {"bottom", 19, true, false,
         "Line up/Line up/ Page up/Page up/ Position// Page down/Page down/iu Line down/Line down/u"},
        {"disabled", 9, false, false, "Line up//u Page up//u Position//u Page down//u Line down//u"},
        {"down arrow held", 9, true, true,
         "Line up/Line up/ Page up/Page up/ Position// Page down/Page down/ Line down/Line down/p"},
    };
    for (const Case& c : cases) {
        list->Bar().SetEnabled(c.enabled);
        list->Bar().SetValue(c.value);
        if (c.press) {
            const Rect b = list->Bar().Layout().Btn2Rect;
            list->Bar().BarMouseDown(1, (b.top + 2) << 16 | (b.left + 2));
        }
        const AccessibilityModel m = Model();
        ASSERT_EQ(m.BarChildCount(), 5);
        std::string parts;
        int32_t lastTop = bar.top - 1;
        for (int id = 1; id <= 5; ++id) {
            AccessibleElement part;
            ASSERT_TRUE(m.BarChild(id, part));
            EXPECT_EQ(m.BarChildId(part.index), id);
            const AccessibleState s = m.State(part, false);
            parts += (id > 1 ? " " : "") + Utf8(m.Name(part)) + "/" + Utf8(m.DefaultAction(part)) + "/" +
                     (s.invisible ? "i" : "") + (s.unavailable ? "u" : "") + (s.pressed ? "p" : "");
            if (s.invisible) continue;
            // Inside the bar, in order down it, and found again by the hit test.
            const Rect r = m.Location(part);
            EXPECT_TRUE(r.left >= bar.left && r.right <= bar.right && r.top >= bar.top && r.bottom <= bar.bottom)
                << c.what << " " << id;
            EXPECT_GT(r.top, lastTop) << c.what << " " << id;
            lastTop = r.top;
            AccessibleElement hit;
            ASSERT_TRUE(m.HitTest((r.left + r.right) / 2, (r.top + r.bottom) / 2, hit));
            EXPECT_EQ(hit, part) << c.what << " " << id;
        }
        EXPECT_EQ(parts, c.parts) << c.what;
        if (c.press) list->Bar().BarMouseUp();
    }
}

}  // namespace
}  // namespace mirelo::fake
