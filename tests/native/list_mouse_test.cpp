// Mouse selection, check toggling, the play row and the host's say in each.
#include "base/error.h"
#include "fakes/error_of.h"
#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

class MouseTest : public ListTest {
protected:
    // 400 x 194, Border on, pen 1, rows 16 high: row r (from the top) spans
    // y = 17 + 16 r .. 32 + 16 r; eleven rows fit.
    void SetUp() override {
        New(400, 194);
        Columns("#,a,b", "30,100,100", "0,0,0", 2);
        Fill(5);
        Reset();
    }
    void Down(float x, float y, int16_t button = 1) { list->OnMouseDown(button, 0, x, y); }
};

TEST_F(MouseTest, HitBands) {
    struct Case { float x, y; int16_t button; bool checkBox; Lines events; int16_t index; Bool16 row0Checked; };
    // A click on a row selects it, telling the host first.
    const Case cases[] = {
        {50, 40, 1, true, {"ListIndexChanged -1 1 0", "MouseDown 1 0 50 40"}, 1, kFalse},
        {15, 17, 1, true, {"ListIndexChanged -1 0 0", "MouseDown 1 0 15 17"}, 0, kFalse},
        {50, 32, 1, true, {"ListIndexChanged -1 0 0", "MouseDown 1 0 50 32"}, 0, kFalse},  // row 0's last line
        {14.5f, 17, 1, true, {"MouseDown 1 0 14.5 17"}, -1, kTrue},
        {14.5f, 17, 1, false, {"MouseDown 1 0 14.5 17"}, -1, kFalse},
        {2, 17, 1, true, {"MouseDown 1 0 2 17"}, -1, kFalse},
        {50, 17, 2, true, {"MouseDown 2 0 50 17"}, -1, kFalse},
        {50, 16.9f, 1, true, {"MouseDown 1 0 50 16.9"}, -1, kFalse},  // still the header band
        {50, 120, 1, true, {}, -1, kFalse},                             // below the last row: no MouseDown
    };
    for (const Case& c : cases) {
        SetUp();
        list->SetLook(&ListLook::CheckBox, c.checkBox ? kTrue : kFalse);
        Reset();
        Down(c.x, c.y, c.button);
        EXPECT_EQ(log, c.events) << c.x << "," << c.y;
        EXPECT_EQ(list->ListIndex(), c.index);
        EXPECT_EQ(list->Rows()[0].Checked, c.row0Checked);
        if (c.index >= 0) {
            EXPECT_EQ(RowsDrawn(), Lines{"row " + std::to_string(c.index)});
        }
        EXPECT_TRUE(site.changed.empty());
    }
}

TEST_F(MouseTest, ReclickingTheSelectedRowRaisesNothing) {
    Down(50, 40);
    Reset();
    Down(60, 41);
    EXPECT_TRUE(log.empty());
}

TEST_F(MouseTest, TheHostCanRedirectOrRefuseAChange) {
    events.onListIndex = [](int16_t& o, int16_t& n, int16_t&) { n = o; };
    Down(50, 40);
    EXPECT_EQ(list->ListIndex(), -1);
    events.onListIndex = [](int16_t&, int16_t& n, int16_t&) { n = 4; };
    Down(50, 40);
    EXPECT_EQ(list->ListIndex(), 4);
    // A handler that rewrites OldIndex gets that row repainted besides the original one.
    events.onListIndex = [](int16_t& o, int16_t&, int16_t&) { o = 2; };
    Reset();
    Down(50, 24);
    EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_EQ(RowsDrawn(), (Lines{"row 2", "row 4", "row 0"}));
}

TEST_F(MouseTest, AHandlerMayCallBackIn) {
    events.onListIndex = [this](int16_t&, int16_t& n, int16_t& f) {
        if (f == 0) list->SetPlayIndex(n);
    };
    Down(50, 40);
    EXPECT_EQ(list->PlayIndex(), 1);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(log, (Lines{"ListIndexChanged -1 1 0", "PlayIndexChanged -1 1 1", "MouseDown 1 0 50 40"}));
}

TEST_F(MouseTest, DoubleClickMakesThePlayRowOnlyOnARow) {
    struct Case { float y; int16_t button; int16_t play; Lines events; };
    const Case cases[] = {
        {40, 1, 1, {"PlayIndexChanged -1 1 0", "DBClick 1 0 50 40"}},
        {17, 1, -1, {"DBClick 1 0 50 17"}},  // the double-click test is strictly below the band
        {10, 1, -1, {"DBClick 1 0 50 10"}},
        {120, 1, -1, {"DBClick 1 0 50 120"}},
        {40, 2, -1, {"DBClick 2 0 50 40"}},
    };
    for (const Case& c : cases) {
        SetUp();
        list->OnMouseDown(c.button, 0, 50, c.y);
        Reset();
        list->OnDblClick();
        EXPECT_EQ(log, c.events) << c.y;
        EXPECT_EQ(list->PlayIndex(), c.play);
    }
    SetUp();
    Down(50, 40);
    list->OnDblClick();
    Reset();
    list->OnDblClick();  // on the play row itself
    EXPECT_EQ(log, (Lines{"DBClick 1 0 50 40"}));
}

TEST_F(MouseTest, ADoubleClickOnTheCheckStripTogglesOnceAndPlays) {
    list->SetLook(&ListLook::CheckBox, kTrue);
    Reset();
    Down(8, 40);
    list->OnMouseUp(1, 0, 8, 40);
    list->OnClick();
    list->OnDblClick();
    list->OnMouseUp(1, 0, 8, 40);
    EXPECT_EQ(list->Rows()[1].Checked, kTrue);
    EXPECT_EQ(list->PlayIndex(), 1);
    EXPECT_EQ(log, (Lines{"MouseDown 1 0 8 40", "MouseUp 1 0 8 40", "Click 1 0 8 40", "PlayIndexChanged -1 1 0",
                               "DBClick 1 0 8 40", "MouseUp 1 0 8 40"}));
}

TEST_F(MouseTest, ClickPassesTheStoredMembersByReference) {
    struct Rewriter : EventLog {
        void Click(int16_t& b, int16_t&, float&, float& y) override { b = 1, y = 40; }
    } host;
    list->SetEvents(&host);
    list->OnMouseDown(2, 0, 50, 120);
    list->OnClick();
    list->OnDblClick();  // now sees button 1 at y 40
    EXPECT_EQ(list->PlayIndex(), 1);
}

TEST_F(MouseTest, SettingTheIndexFromTheHost) {
    list->SetListIndex(3);
    EXPECT_EQ(log, (Lines{"ListIndexChanged -1 3 1"}));
    EXPECT_EQ(site.changed, Lines{"ListIndex"});
    Reset();
    for (int16_t ignored : {int16_t(3), int16_t(5), int16_t(-1)}) list->SetListIndex(ignored);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(site.changed.empty());
    list->SetPlayIndex(2);
    EXPECT_EQ(site.changed, Lines{"PlayIndex"});
    EXPECT_EQ(list->PlayIndex(), 2);
}

TEST_F(MouseTest, SettingAnIndexOutOfViewScrollsToIt) {
    Fill(20);  // 25 rows, 11 fit: Max 14
    list->Bar().SetValue(10);
    EXPECT_EQ(list->FirstIndex(), 10);
    list->SetListIndex(2);
    EXPECT_EQ(list->FirstIndex(), 2);
    list->SetListIndex(24);
    EXPECT_EQ(list->FirstIndex(), 14);  // clamped to the bar's range
}

TEST_F(MouseTest, IndexFromPointIsTheRowUnderThePoint) {
    struct Case { Variant y; int16_t row; };
    const Case cases[] = {{Variant(17), 0},   {Variant(16), -1},  {Variant(0), -1},        {Variant(32), 0},
                          {Variant(33), 1},   {Variant(96), 4},   {Variant(97), -1},       {Variant(u"40"), 1},
                          {Variant(16.5), -1}, {Variant(17.5), 0}, {Variant(40000000), -1}};
    for (const Case& c : cases) EXPECT_EQ(list->IndexFromPoint(Variant(0), c.y), c.row) << ToUtf8(c.y.ToText());
    EXPECT_EQ(ErrorOf([&] { list->IndexFromPoint(Variant(0), Variant(u"top")); }), kTypeMismatch);
    list->Clear();
    EXPECT_EQ(list->IndexFromPoint(Variant(0), Variant(u"top")), -1);
}

}  // namespace
}  // namespace mirelo::fake
