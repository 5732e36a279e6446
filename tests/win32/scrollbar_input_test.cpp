// The hosted list's scroll bar under the mouse and keys, with real window
// timers and real pixels: auto-repeat, thumb drag with the capture, hot
// parts, keys, and painting that leaves no GDI object behind.
#include "scrollbar_hosted.h"

namespace mltest {
namespace {

// The hosted bar is 17 x 149: arrows at 0..18 and 131..149; with 60 rows the
// range is 0..52 and the thumb 18 pixels long at the top of the track.
constexpr int kMidX = 8;
constexpr int kDownArrowY = 140;
constexpr int kThumbY = 27;
constexpr RECT kButton1 = {0, 0, 17, 18};
constexpr RECT kButton2 = {0, 131, 17, 149};
constexpr COLORREF kHotGlyph = RGB(38, 100, 196);  // only the hot cell of the glyph strips has it

POINT ScreenPoint(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    return p;
}

// Real pointer input, as the system delivers it.
void MouseTo(POINT screen) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
    PumpFor(50);
}

void LeftButton(bool down) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof(in));
    PumpFor(50);
}

// The pace itself is the bar's own test on a manual clock; here the system's
// timers repeat the step and the release or a capture taken away ends it.
TEST_F(HostedBar, AHeldArrowRepeatsUntilReleasedOrTheCaptureGoes) {
    for (bool release : {true, false}) {
        SCOPED_TRACE(release ? "released" : "capture taken");
        Host();
        SendToBar(WM_LBUTTONDOWN, MK_LBUTTON, kMidX, kDownArrowY);
        EXPECT_EQ(GetCapture(), Bar());
        PumpFor(1000);
        const long held = FirstIndex();
        EXPECT_GT(held, 1);  // a busy machine delivers fewer ticks, but some
        if (release) SendToBar(WM_LBUTTONUP, 0, kMidX, kDownArrowY);
        else SetCapture(hosted->host());  // a menu or a dialog takes the mouse
        EXPECT_NE(GetCapture(), Bar());
        PumpFor(300);
        EXPECT_EQ(FirstIndex(), held);
        EXPECT_EQ(ScrollEvents(), 0);  // arrows change the value; only a drag scrolls
        ReleaseCapture();
        TearDown();
    }
}

TEST_F(HostedBar, DraggingTheThumbScrollsTheListAndRaisesItsScroll) {
    Host();
    MouseTo(ScreenPoint(Bar(), kMidX, kThumbY));
    LeftButton(true);
    ASSERT_EQ(GetCapture(), Bar());
    // The pointer leaves the bar sideways over the list: the capture keeps
    // the moves coming to the bar, which goes on dragging.
    MouseTo(ScreenPoint(Bar(), kMidX - 60, kThumbY + 30));
    const long mid = FirstIndex();
    EXPECT_GT(mid, 0);
    EXPECT_EQ(ScrollEvents(), 1);
    MouseTo(ScreenPoint(Bar(), kMidX - 60, kThumbY + 60));
    const long end = FirstIndex();
    EXPECT_GT(end, mid);
    EXPECT_EQ(ScrollEvents(), 2);
    LeftButton(false);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(FirstIndex(), end);
    EXPECT_EQ(ScrollEvents(), 2);
    MouseTo(ScreenPoint(Bar(), kMidX - 60, kThumbY + 90));  // released: moves no longer drag
    EXPECT_EQ(FirstIndex(), end);
}

// A jump further than one view must paint the rows of the new top row, not
// loop up to the last row of the old one.
TEST_F(HostedBar, AFarThumbDragShowsTheRowsItScrolledTo) {
    Host(true, 0);
    for (int i = 0; i < 60; ++i) {
        const std::wstring row = L"r" + std::to_wstring(i) + L",b" + std::to_wstring(i) + L",c";
        Method(hosted->dispatch(), L"AddItem", {Var::Str(row.c_str())});
    }
    UpdateWindow(List());
    const RECT rows = {0, 20, 170, 140};
    const COLORREF text = static_cast<COLORREF>(Get(hosted->dispatch(), L"ItemNorTextColor").value.AsLong());
    const int before = CountColour(List(), rows, text);
    SendToBar(WM_LBUTTONDOWN, MK_LBUTTON, kMidX, kThumbY);
    SendToBar(WM_MOUSEMOVE, MK_LBUTTON, kMidX, kThumbY + 60);
    SendToBar(WM_LBUTTONUP, 0, kMidX, kThumbY + 60);
    ASSERT_GT(FirstIndex(), 10);
    UpdateWindow(List());
    // Two-digit row numbers and cell texts take more ink than one-digit ones.
    EXPECT_GT(CountColour(List(), rows, text), before);
}

TEST_F(HostedBar, ADoubleClickOnAnArrowStepsTwice) {
    Host();
    MouseTo(ScreenPoint(Bar(), kMidX, kDownArrowY));
    LeftButton(true);
    LeftButton(false);
    LeftButton(true);  // comes as a double click, which the bar turns into a press
    LeftButton(false);
    PumpFor(100);
    EXPECT_EQ(FirstIndex(), 2);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(HostedBar, AHotButtonShowsItsHotCellUntilThePointerLeaves) {
    Host();
    UpdateWindow(Bar());
    EXPECT_EQ(CountColour(Bar(), kButton2, kHotGlyph), 0);
    const POINT over = ScreenPoint(Bar(), kMidX, kDownArrowY);
    SetCursorPos(over.x, over.y);
    SendToBar(WM_MOUSEMOVE, 0, kMidX, kDownArrowY);  // enters the bar
    SendToBar(WM_MOUSEMOVE, 0, kMidX, kDownArrowY);  // lights the part under the pointer
    UpdateWindow(Bar());
    EXPECT_GT(CountColour(Bar(), kButton2, kHotGlyph), 0);
    EXPECT_EQ(CountColour(Bar(), kButton1, kHotGlyph), 0);
    // The hot part is polled against the real pointer.
    SetCursorPos(over.x - 100, over.y);
    PumpFor(500, [&] {
        UpdateWindow(Bar());
        return CountColour(Bar(), kButton2, kHotGlyph) == 0;
    });
    EXPECT_EQ(CountColour(Bar(), kButton2, kHotGlyph), 0);
}

TEST_F(HostedBar, KeysOnTheBarMoveTheListsSelection) {
    Host();
    // A press on the bar hands the keyboard to the list itself.
    SetFocus(hosted->host());
    SendToBar(WM_LBUTTONDOWN, MK_LBUTTON, kMidX, 80);
    SendToBar(WM_LBUTTONUP, 0, kMidX, 80);
    EXPECT_EQ(GetFocus(), List());
    // Keys that reach the bar itself (the arrows too, in a dialog) go on to the list.
    EXPECT_TRUE(SendMessageW(Bar(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);
    SetFocus(Bar());
    SendMessageW(Bar(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(Bar(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Get(hosted->dispatch(), L"ListIndex").value.AsLong(), 1);
}

TEST_F(HostedBar, ThousandPaintsLeaveNoGdiObjectBehind) {
    Host();
    auto paint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            InvalidateRect(Bar(), nullptr, FALSE);
            UpdateWindow(Bar());
        }
    };
    paint(3);  // the skins are loaded at the first paint and kept
    const int before = LiveGdiObjects();
    paint(1000);
    EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
}  // namespace mltest
