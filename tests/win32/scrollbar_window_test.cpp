// The list's scroll bar as a real child window of the hosted list: where it
// sits, how it follows the list's size and needs, when it asks for a repaint,
// and which windows carry a hook in run mode and in a designer.
#include "scrollbar_hosted.h"

namespace mltest {
namespace {

// A hooked window runs another procedure than its class gives it.
bool Hooked(HWND w) {
    return static_cast<ULONG_PTR>(GetWindowLongPtrW(w, GWLP_WNDPROC)) != GetClassLongPtrW(w, GCLP_WNDPROC);
}

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

constexpr COLORREF kGlyph = RGB(72, 72, 72);  // arrow glyph, normal and pointer-over-bar states

TEST_F(HostedBar, TheBarSitsAtTheRightEdgeInsideTheBorder) {
    Host();
    ASSERT_TRUE(Bar());
    // The list is 202 x 151 pixels; the bar is 17 wide.
    struct Case {
        bool border;
        RECT expected;
    } cases[] = {{true, {184, 1, 201, 150}}, {false, {185, 0, 202, 151}}, {true, {184, 1, 201, 150}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.border ? "with border" : "without border");
        ASSERT_EQ(Put(hosted->dispatch(), L"Border", Var::Bool(c.border)).hr, S_OK);
        const RECT bar = BarRect();
        EXPECT_TRUE(EqualRect(&bar, &c.expected)) << Text(bar);
    }
}

TEST_F(HostedBar, TheBarFollowsAResizeOfTheList) {
    Host();
    ASSERT_EQ(Put(hosted->dispatch(), L"BorderWidth", Var::I4(3)).hr, S_OK);
    ComPtr<IOleInPlaceObject> inPlace = ComPtr<IUnknown>(hosted->control()).As<IOleInPlaceObject>(
        IID_IOleInPlaceObject);
    const RECT pos = {10, 10, 310, 210};
    ASSERT_EQ(inPlace->SetObjectRects(&pos, &pos), S_OK);
    PumpMessages();
    const RECT expected = {300 - 17 - 3, 3, 300 - 3, 200 - 3};
    const RECT bar = BarRect();
    EXPECT_TRUE(EqualRect(&bar, &expected)) << Text(bar);
    // The bar laid itself out for its new height: the lower arrow is at the
    // new bottom, and where it was before there is track now.
    UpdateWindow(Bar());
    const int h = expected.bottom - expected.top;
    EXPECT_GT(CountColour(Bar(), RECT{0, h - 18, 17, h}, kGlyph), 0);
    EXPECT_EQ(CountColour(Bar(), RECT{0, 131, 17, 149}, kGlyph), 0);
}

TEST_F(HostedBar, TheBarWindowShowsExactlyWhileTheRowsOverflow) {
    Host(true, 3);
    EXPECT_FALSE(IsWindowVisible(Bar()));
    for (int i = 0; i < 20; ++i) Method(hosted->dispatch(), L"AddItem", {Var::Str(L"x,y,z")});
    EXPECT_TRUE(IsWindowVisible(Bar()));
    Method(hosted->dispatch(), L"Clear");
    EXPECT_FALSE(IsWindowVisible(Bar()));
}

TEST_F(HostedBar, ShowingOrHidingTheBarWindowTellsTheList) {
    Host();
    auto wheel = [&] {
        SendMessageW(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
        return FirstIndex();
    };
    ShowWindow(Bar(), SW_HIDE);  // by someone else than the list
    EXPECT_EQ(wheel(), 0);       // the list scrolls only with its bar shown
    ShowWindow(Bar(), SW_SHOWNA);
    EXPECT_GT(wheel(), 0);
}

TEST_F(HostedBar, RunModeHooksTheListAndTheBarADesignerNeither) {
    for (bool userMode : {true, false}) {
        SCOPED_TRACE(userMode ? "run mode" : "design mode");
        Host(userMode);
        ASSERT_TRUE(Bar());
        EXPECT_EQ(Hooked(List()), userMode);
        EXPECT_EQ(Hooked(Bar()), userMode);
        // The wheel reaches the list only through its hook.
        SendMessageW(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(50, 50));
        EXPECT_EQ(FirstIndex() > 0, userMode);
        EXPECT_EQ(ScrollEvents(), userMode ? 1 : 0);
        TearDown();
    }
}

TEST_F(HostedBar, TheHookGoesWithTheWindow) {
    Host();
    ComPtr<IOleInPlaceObject> inPlace = ComPtr<IUnknown>(hosted->control()).As<IOleInPlaceObject>(
        IID_IOleInPlaceObject);
    ASSERT_EQ(inPlace->InPlaceDeactivate(), S_OK);
    EXPECT_FALSE(List());
    // In place again: a new window, hooked again, with a new bar window.
    ASSERT_EQ(hosted->Activate(), S_OK);
    ASSERT_TRUE(List());
    EXPECT_TRUE(Hooked(List()));
    EXPECT_TRUE(Hooked(Bar()));
    EXPECT_TRUE(IsWindowVisible(Bar()));
    SendMessageW(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_GT(FirstIndex(), 0);
}

bool WaitsForPaint(HWND w) { return GetUpdateRect(w, nullptr, FALSE) != FALSE; }

// The bar's window asks the system for a repaint only when it is not already
// waiting for one; a change made after its paint began must still reach it,
// however many changes came before.
TEST_F(HostedBar, EveryRangeChangeAfterAPaintRepaintsTheBar) {
    Host();
    ASSERT_TRUE(Bar());
    // Each round: the bar paints, then rows come (each one a new range).
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        UpdateWindow(Bar());
        ASSERT_FALSE(WaitsForPaint(Bar()));
        for (int row = 0; row <= round; ++row)
            ASSERT_EQ(Method(hosted->dispatch(), L"AddItem", {Var::Str(L"more,rows")}).hr, S_OK);
        EXPECT_TRUE(WaitsForPaint(Bar()));
    }
    // A paint through the list's own full repaint counts as the bar's paint too.
    RedrawWindow(List(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_FALSE(WaitsForPaint(Bar()));
    ASSERT_EQ(Method(hosted->dispatch(), L"AddItem", {Var::Str(L"last,row")}).hr, S_OK);
    EXPECT_TRUE(WaitsForPaint(Bar()));
}

}  // namespace
}  // namespace mltest
