// The hosted list on real GDI pixels: what its geometry says shows where it
// says (clicks, double-clicks and the wheel:
// events_test.cpp and host_directory_test.cpp).
#include "scrollbar_hosted.h"

namespace mltest {
namespace {

// Hosted at 202 x 151 with Border: rows 16 high from y 17; the number column
// is 65 wide, so its separator lines stand at x 66 and 67.
constexpr int kInsideX = 40;

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
    for (const Case& c : cases) EXPECT_EQ(ScreenPixel(List(), c.x, c.y), c.colour) << c.what;
}

}  // namespace
}  // namespace mltest
