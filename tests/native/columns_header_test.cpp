// Header cells: press, drag over the others, release to exchange; the
// pointer shapes of the drag.
#include "columns_fixture.h"

namespace mirelo::fake {
namespace {

// Cells in the band (pen 1): "#" 1..31, "a" 33..113, "b" 115..235, "c" 237..337.
class HeaderTest : public ColumnsTest {
protected:
    void SetUp() override { Make(); }
    void Make() {
        NewWithGestures(338);
        Columns("#,a,b,c", "30,80,120,100", "0,1,2,0", 3);
        Fill(4, 4);
        list->PaintAll();  // places the captions
        ResetAll();
    }
    Lines Events() const {
        Lines out;
        for (const auto& l : log)
            if (l.rfind("Mouse", 0) == 0) out.push_back(l);
        return out;
    }
};

const Lines kPressedA = {"fill 33,1,113,17 #000000", "textcolor #FFFFFF", "text 'a' 33,4,113,20 f1",
                         "textcolor #8F614C"};
const Lines kNormalA = {"fill 33,1,113,17 #DED3CD", "textcolor #8F614C", "text 'a' 33,4,113,20 f1"};
const Lines kNormalNumber = {"fill 1,1,31,17 #DED3CD", "textcolor #8F614C", "text '#' 1,4,31,20 f1"};
const Lines kDropB = {"fill 115,1,235,17 #21A67B", "textcolor #8F614C", "text 'b' 115,4,235,20 f1"};
const Lines kNormalB = {"fill 115,1,235,17 #DED3CD", "textcolor #8F614C", "text 'b' 115,4,235,20 f1"};

Lines Join(std::initializer_list<Lines> parts) {
    Lines out;
    for (const Lines& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST_F(HeaderTest, TwoPixelsAtEitherEdgeOfACellPressNothing) {
    struct Case { float x; bool pressed; };
    const Case cases[] = {{32, false}, {34, false}, {35, true}, {110, true}, {111, false}};
    for (const Case& c : cases) {
        Make();
        Down(c.x);
        EXPECT_EQ(HeaderOps(), c.pressed ? kPressedA : Lines{}) << c.x;
        EXPECT_EQ(Events(), Lines{"MouseDown 1 0 " + std::to_string(static_cast<int>(c.x)) + " 8"});
    }
}

TEST_F(HeaderTest, DraggingLightsTheDropTargetAndRefusesTheNumberColumn) {
    Down(80);
    ResetAll();
    Move(180);  // over "b"
    EXPECT_EQ(HeaderOps(), Join({kNormalNumber, kDropB}));  // the resting drop target was cell 0
    Move(20);   // over the row numbers: refused, "b" stays lit
    Move(25);
    Move(180);  // back over "b": the pointer says "movable" again, nothing repaints
    EXPECT_EQ(HeaderOps(), Join({kNormalNumber, kDropB}));
    EXPECT_EQ(Events(), Lines{"MouseMove 0 0 180 8"});
    EXPECT_EQ(shapes.shown, (Lines{"movehead.cur", "unmovehead.cur", "movehead.cur"}));

    ResetAll();
    Move(20);
    Up(20);  // released over the row numbers: no exchange
    EXPECT_EQ(Captions(), "#|a|b|c");
    EXPECT_EQ(Column(1), "c1_0,c1_1,c1_2,c1_3");
    const Lines ops = HeaderOps();
    ASSERT_GE(ops.size(), 6u);
    EXPECT_EQ(Lines(ops.begin(), ops.begin() + 6), Join({kNormalA, kNormalB}));
    EXPECT_EQ(shapes.shown, (Lines{"unmovehead.cur", "arrow"}));
    EXPECT_EQ(list->Header().CursorKind(), 0);

    list->SetLook(&ListLook::YnNeedNumCol, kFalse);  // without numbers column 0 takes a drop like any other
    Down(80);
    Move(20);
    EXPECT_EQ(shapes.shown.back(), "movehead.cur");
}

TEST_F(HeaderTest, LeavingTheBand) {
    struct Case { float x, y; bool mouseMove; };
    const Case cases[] = {
        {2, 8, false}, {336, 8, false},  // past the band's ends: no MouseMove either
        {180, 40, true}, {180, 2, true},
    };
    for (const Case& c : cases) {
        Make();
        Down(80);
        Move(180);
        ResetAll();
        Move(c.x, c.y);
        EXPECT_EQ(HeaderOps(), kNormalB) << c.x << "," << c.y;
        EXPECT_EQ(shapes.shown, Lines{"not.cur"});
        EXPECT_EQ(Events().size(), c.mouseMove ? 1u : 0u);
        // Moving on outside loads nothing again.
        Move(c.x, c.y);
        EXPECT_EQ(shapes.loads, 1);
    }
}

TEST_F(HeaderTest, ReleaseOnAnotherCellExchangesTheColumns) {
    list->AddItemA(Variant(int16_t(3)), Variant(u"#,a\u25BC,b,c"), Variant(u"30,80,120,100"), Variant(u"0,1,2,0"));
    list->SetListIndex(1);
    list->SetPlayIndex(2);
    ResetAll();
    Down(80);
    Move(180);
    Up(180);
    EXPECT_EQ(Captions(), "#|b|a\u25BC|c");  // the sort marker goes with its caption
    EXPECT_EQ(Widths(), (std::vector<int>{30, 120, 80, 100}));
    EXPECT_EQ(Column(1), "c2_0,c2_1,c2_2,c2_3");
    EXPECT_EQ(Column(2), "c1_0,c1_1,c1_2,c1_3");
    EXPECT_EQ(list->Columns().aligns.at(1), 1);
    EXPECT_EQ(list->Columns().aligns.at(2), 2);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(list->PlayIndex(), 2);
    EXPECT_EQ(splitter.log, Lines{"move 31,1,2,16"});
    EXPECT_TRUE(EndsWithPicture(&MireloList::PaintList));
}

// A press on "a" that ends anywhere but on another cell changes no column,
// sorts nothing and gives the pointer back.
TEST_F(HeaderTest, GesturesThatEndOffACellChangeNothing) {
    struct Case { const char* what; bool empty; float x, y; bool lost; Lines header; };
    const Case cases[] = {
        {"released below the band", false, 180, 60, false, kNormalA},  // that cell alone repaints
        {"the pointer lost mid-drag, released later", false, 180, kBandY, true, Join({kNormalA, kNormalB})},
        {"released over the gap between a and b", false, 114, kBandY, false, kNormalA},
        {"an empty list, dragged", true, 180, kBandY, false, Join({kNormalA, kNormalB})},
        {"an empty list, clicked", true, 80, kBandY, false, {}},  // the header as it was: not sorted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Make();
        if (c.empty) list->Clear();
        const std::string rows = Column(1);
        Down(80);
        Move(c.x, c.y);
        ResetAll();
        if (c.lost) list->Header().CaptureLost();
        Up(c.x, c.y);
        if (!c.header.empty()) {
            EXPECT_EQ(HeaderOps(), c.header);
        }
        EXPECT_EQ(Captions(), "#|a|b|c");
        EXPECT_EQ(Widths(), (std::vector<int>{30, 80, 120, 100}));
        EXPECT_EQ(Column(1), rows);
        EXPECT_TRUE(RowsDrawn().empty());
        EXPECT_TRUE(splitter.log.empty());
        EXPECT_EQ(shapes.shown.back(), "arrow");
        EXPECT_TRUE(shapes.live.empty());
    }
}

TEST_F(HeaderTest, CursorFilesFallBackToTheLibrarysOwn) {
    struct Case { std::set<std::string> files, resources; Lines shown; };
    const Case cases[] = {
        {{"movehead.cur", "not.cur"}, {"MOVEHEAD", "NOTALLOWED", "UNMOVEHEAD"},
         {"movehead.cur", "res:UNMOVEHEAD", "not.cur", "arrow"}},
        {{}, {"MOVEHEAD", "NOTALLOWED", "UNMOVEHEAD"}, {"res:MOVEHEAD", "res:UNMOVEHEAD", "res:NOTALLOWED", "arrow"}},
        {{}, {}, {"arrow"}},  // nothing to show: the pointer stays as it is
    };
    for (const Case& c : cases) {
        Make();
        shapes.files = c.files;
        shapes.resources = c.resources;
        Down(80);
        Move(180);
        Move(20);
        Move(180, 60);
        Up(180, 60);
        EXPECT_EQ(shapes.shown, c.shown);
        EXPECT_TRUE(shapes.live.empty());
        EXPECT_FALSE(shapes.destroyedUnknown);
    }
}

TEST_F(HeaderTest, EveryReleaseRestoresTheCursorTakenAtCreation) {
    shapes.current = 77;  // say the host showed a busy pointer while creating us
    Make();
    shapes.current = FakeShapes::kArrow;
    Down(80);
    Move(180);
    Up(180);
    EXPECT_EQ(shapes.current, 77u);
    Up(50, 100);  // a release in the row area, no gesture at all
    EXPECT_EQ(shapes.shown.back(), "?77");
}

TEST_F(HeaderTest, RightButtonPressesAndReleasesToo) {
    Down(80, kBandY, 2);
    EXPECT_EQ(HeaderOps(), kPressedA);
    Up(80, kBandY, 2);
    EXPECT_EQ(Captions(), "#|a\u25BC|b|c");
}

}  // namespace
}  // namespace mirelo::fake
