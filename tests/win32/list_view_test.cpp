// The hosted list on real GDI pixels and under real window messages: what
// its geometry says shows where it says, and clicks, double-clicks, the wheel
// and the keys reach the core with the host told in the right order.
#include <algorithm>

#include "scrollbar_hosted.h"

namespace mltest {
namespace {

// Hosted at 202 x 151 with Border: rows 16 high from y 17; the number column
// is 65 wide, so its separator lines stand at x 66 and 67. The row area is
// 133 pixels: eight whole rows, the painter's last index is 9.
constexpr int kInsideX = 40;

COLORREF Pixel(HWND window, int x, int y) {
    RECT client;
    GetClientRect(window, &client);
    PixelBuffer buffer(client.right, client.bottom);
    buffer.CopyFrom(window);
    return buffer.At(x, y);
}

std::vector<DISPID> Without(std::vector<DISPID> ids, DISPID id) {
    ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end());
    return ids;
}

TEST_F(HostedBar, PixelsStandWhereTheGeometrySays) {
    Host(true, 20);
    ASSERT_EQ(Put(hosted->dispatch(), L"ListIndex", Var::I2(2)).hr, S_OK);
    UpdateWindow(List());
    struct Case { int x, y; COLORREF colour; const char* what; };
    const Case cases[] = {
        {0, 0, RGB(120, 163, 195), "border box"},
        {10, 8, RGB(205, 211, 222), "header band"},
        {kInsideX, 20, RGB(255, 255, 255), "row 0: first row colour"},
        {kInsideX, 36, RGB(234, 246, 250), "row 1: second row colour"},
        {kInsideX, 52, RGB(98, 148, 204), "row 2: selected"},
        {66, 24, RGB(255, 255, 247), "separator before column 1"},
        {67, 40, RGB(255, 255, 247), "second separator line"},
    };
    for (const Case& c : cases) EXPECT_EQ(Pixel(List(), c.x, c.y), c.colour) << c.what;
}

TEST_F(HostedBar, AClickSelectsAndTellsTheHostBeforeItsMouseDown) {
    Host(true, 20);
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 40));
    SendMessageW(List(), WM_LBUTTONUP, 0, MAKELPARAM(50, 40));
    EXPECT_EQ(Get(hosted->dispatch(), L"ListIndex").value.AsLong(), 1);
    const std::vector<DISPID> ids = Without(events.Ids(), 4);  // moves may come between
    ASSERT_GE(ids.size(), 2u);
    EXPECT_EQ(ids[0], 6);  // ListIndexChanged
    EXPECT_EQ(ids[1], 3);  // MouseDown
}

TEST_F(HostedBar, ADoubleClickMakesThePlayRow) {
    Host(true, 20);
    const LPARAM at = MAKELPARAM(50, 56);
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(List(), WM_LBUTTONUP, 0, at);
    SendMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(List(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(Get(hosted->dispatch(), L"PlayIndex").value.AsLong(), 2);
    const std::vector<DISPID> ids = events.Ids();
    const auto play = std::find(ids.begin(), ids.end(), 7);
    ASSERT_NE(play, ids.end());
    EXPECT_NE(std::find(play, ids.end(), 2), ids.end()) << "DBClick follows PlayIndexChanged";
}

TEST_F(HostedBar, TheWheelScrollsByItsStepAndRaisesScrollOnce) {
    Host(true, 20);
    POINT p = {50, 50};
    ClientToScreen(List(), &p);
    SendMessageW(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(p.x, p.y));
    EXPECT_EQ(FirstIndex(), 2);  // Int(133 / 16 x 0.2 + 1)
    EXPECT_EQ(ScrollEvents(), 1);
}

TEST_F(HostedBar, DownAtTheLastVisibleRowScrollsOneRow) {
    Host(true, 20);
    UpdateWindow(List());
    ASSERT_EQ(Put(hosted->dispatch(), L"ListIndex", Var::I2(8)).hr, S_OK);
    EXPECT_EQ(FirstIndex(), 0);
    SendMessageW(List(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Get(hosted->dispatch(), L"ListIndex").value.AsLong(), 9);
    EXPECT_EQ(FirstIndex(), 1);
}

}  // namespace
}  // namespace mltest
