// What assistive technology may do to rows, and what the list announces to
// it as it changes.
#include <algorithm>

#include "fakes/list_fixture.h"

namespace mirelo::fake {
namespace {

class Announcements : public AccessibilityEvents {
public:
    void SelectionChanged(int16_t row) override { Add("selection " + std::to_string(row)); }
    void PlayRowChanged(int16_t o, int16_t n) override { Add("play " + std::to_string(o) + " " + std::to_string(n)); }
    void RowStateChanged(int16_t row) override { Add("state " + std::to_string(row)); }
    void RowNameChanged(int16_t row) override { Add("name " + std::to_string(row)); }
    void RowsChanged() override { Add("rows"); }
    void ViewScrolled(int16_t oldTop, bool pressing) override {
        Add("scrolled from " + std::to_string(oldTop) + (pressing ? ", pressing" : ""));
    }
    void ScrollEnded() override { Add("scroll ended"); }
    void HeaderChanged() override { Add("header"); }
    std::vector<std::string>* sink = nullptr;

private:
    void Add(const std::string& s) { sink->push_back(s); }
};

class AccessibleActionsTest : public ListTest {
protected:
    void SetUp() override {
        New(400, 194);  // eleven whole rows in view
        Columns("#,a,b", "30,100,100", "0,0,0", 2);
        Fill(30);
        Reset();
        told.sink = &log;
        list->SetAccessibilityEvents(&told);
    }
    Announcements told;
    std::string click;
};

TEST_F(AccessibleActionsTest, TheHostMayRedirectOrRefuse) {
    events.onListIndex = [](int16_t&, int16_t& n, int16_t&) { n = 5; };
    list->SelectRow(3);
    EXPECT_EQ(list->ListIndex(), 5);
    EXPECT_TRUE(site.changed.empty());  // as from the mouse: no property notification
    events.onPlayIndex = [](int16_t& o, int16_t& n, int16_t&) { n = o; };
    Reset();
    list->PlayRow(4);
    EXPECT_EQ(list->PlayIndex(), -1);
    EXPECT_EQ(log, (Lines{"PlayIndexChanged -1 4 0"}));  // refused: nothing to announce
}

TEST_F(AccessibleActionsTest, SelectingARowOutOfViewScrollsToIt) {
    list->SelectRow(20);
    EXPECT_EQ(list->FirstIndex(), 19);  // the bar's Max: the last whole page
    EXPECT_EQ(list->ListIndex(), 20);
    list->SelectRow(2);
    EXPECT_EQ(list->FirstIndex(), 2);
    list->SelectRow(5);  // in view: stays put
    EXPECT_EQ(list->FirstIndex(), 2);
}

TEST_F(AccessibleActionsTest, AReadersSortIsAHeaderClick) {
    // Per column: the rows, captions, play row and marker left by two header
    // clicks, against two sorts by a reader on a list in the same state.
    auto state = [&] {
        std::string s = std::to_string(list->PlayIndex()) + " " + Utf8(list->Columns().captions.at(0)) + "|" +
                        Utf8(list->Columns().captions.at(1)) + " ";
        for (int i = 0; i < list->ListCount(); i += 7) s += Utf8(list->item(int16_t(i), 1)) + ",";
        return s + " marker " + std::to_string(list->Header().Splitter().Left());
    };
    struct Case { const char* what; bool numbers; int16_t column; float x; };
    const Case cases[] = {{"row numbers", true, 0, 15}, {"titles", true, 1, 80}, {"first column", false, 0, 15}};
    for (const Case& c : cases) {
        for (bool reader : {false, true}) {
            SetUp();
            list->SetLook(&ListLook::YnNeedNumCol, c.numbers ? kTrue : kFalse);
            list->PlayRow(4);
            Reset();
            for (int twice = 0; twice < 2; ++twice) {
                if (reader) {
                    list->SortByHeader(c.column);
                } else {
                    list->OnMouseDown(1, 0, c.x, 8);
                    list->OnMouseUp(1, 0, c.x, 8);
                }
            }
            const std::string got = state();
            if (!reader) click = got;
            else EXPECT_EQ(got, click) << c.what;
            EXPECT_EQ(list->PlayIndex(), -1) << c.what;
            EXPECT_EQ(std::count(log.begin(), log.end(), "rows"), 2) << c.what;
        }
    }
}

TEST_F(AccessibleActionsTest, ChangesAreAnnounced) {
    int32_t two = 2;
    Bool16 on = kTrue;
    Text data = u"p,q";
    struct Case { const char* what; std::function<void()> act; Lines said; };
    // A reader's select and play go as the mouse's do: flag 0, no property notification.
    const Case cases[] = {
        {"a reader selects", [&] { list->SelectRow(3); }, {"ListIndexChanged -1 3 0", "selection 3"}},
        {"a reader plays", [&] { list->PlayRow(2); }, {"PlayIndexChanged -1 2 0", "play -1 2"}},
        {"a reader selects the selected row, or none",
         [&] { list->SelectRow(3); Reset(); for (int16_t row : {3, -1, 30}) list->SelectRow(row); }, {}},
        {"a reader plays the play row, or none",
         [&] { list->PlayRow(2); Reset(); for (int16_t row : {2, -1, 30}) list->PlayRow(row); }, {}},
        {"click", [&] { list->OnMouseDown(1, 0, 50, 40); }, {"ListIndexChanged -1 1 0", "selection 1", "MouseDown 1 0 50 40"}},
        {"arrow key", [&] { list->OnKeyDown(40, 0); }, {"selection 0"}},
        {"double click", [&] { list->OnMouseDown(1, 0, 50, 40); list->OnDblClick(); },
         {"ListIndexChanged -1 1 0", "selection 1", "MouseDown 1 0 50 40", "PlayIndexChanged -1 1 0", "play -1 1",
          "DBClick 1 0 50 40"}},
        {"check box click", [&] { list->SetLook(&ListLook::CheckBox, kTrue); Reset(); list->OnMouseDown(1, 0, 5, 40); },
         {"state 1", "MouseDown 1 0 5 40"}},
        {"check a row", [&] { list->SetLook(&ListLook::CheckBox, kTrue); Reset(); list->SetCheckItem(two, on); }, {"state 2"}},
        {"check a row, no boxes", [&] { list->SetCheckItem(two, on); }, {}},
        {"check all", [&] { list->SetLook(&ListLook::CheckBox, kTrue); Reset(); list->SetCheckAllItem(on); }, {"rows"}},
        {"cell", [&] { list->Setitem(4, 1, u"new"); }, {"name 4"}},
        {"row data", [&] { list->SetItemData(two, data); }, {"name 2"}},
        {"add", [&] { Add("x", Variant::Missing(), Variant::Missing(), "k"); }, {"rows"}},
        {"remove", [&] { list->RemoveItem(0); }, {"rows"}},
        {"clear", [&] { list->Clear(); }, {"rows"}},
        {"sort", [&] { list->OnMouseDown(1, 0, 80, 8); list->OnMouseUp(1, 0, 80, 8); },
         {"MouseDown 1 0 80 8", "rows", "header", "MouseUp 1 0 80 8"}},
        {"columns", [&] { Columns("#,c,d", "30,100,100", "0,0,0", 2); }, {"rows", "header"}},
        {"header fitted", [&] { list->ResizeHead(); }, {"header"}},
        {"the bar comes, a column makes room", [&] { list->Clear(); Fill(11); Reset(); Fill(1); }, {"header", "rows"}},
        {"wheel", [&] { list->OnMouseWheel(-0x780000); }, {"scrolled from 0", "Scroll"}},
        {"key below the view", [&] { list->SetListIndex(11); Reset(); list->OnKeyDown(40, 0); },
         {"scrolled from 0", "selection 12"}},
        {"ListIndex far away", [&] { list->SetListIndex(25); }, {"scrolled from 0", "ListIndexChanged -1 25 1",
                                                                  "selection 25"}},
        {"a reader's page down", [&] { list->Bar().StepOnce(ScrollPart::Track2); }, {"scrolled from 0"}},
        {"a reader's line up at the top", [&] { list->Bar().StepOnce(ScrollPart::Button1); }, {}},
        {"bar arrow held", [&] {
             const Rect b = list->Bar().Layout().Btn2Rect;
             list->Bar().BarMouseDown(1, (b.top + 2) << 16 | (b.left + 2));
             list->Bar().BarTimer(RepeatTimer);
             list->Bar().BarMouseUp();
         }, {"scrolled from 0, pressing", "scrolled from 1, pressing", "scroll ended"}},
        {"numbers off", [&] { list->SetLook(&ListLook::YnNeedNumCol, kFalse); }, {"rows"}},
    };
    for (const Case& c : cases) {
        SetUp();
        c.act();
        EXPECT_EQ(log, c.said) << c.what;
    }
}

}  // namespace
}  // namespace mirelo::fake
