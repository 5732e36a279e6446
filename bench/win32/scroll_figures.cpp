// Scrolling a full list, each step until it is painted: a wheel notch on both
// lists, and a thumb move on our scroll bar against LVM_SCROLL by the rows
// that move scrolled.
#include "scroll_figures.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace mlbench {

namespace {

constexpr int kNotches = 10;  // down, then as many back up to the top
constexpr int kMoves = 10;    // one-pixel thumb moves, down and back

// One wheel notch over the window: towards the user (down) or away from it.
void Notch(HWND window, bool down) {
    RECT r;
    GetWindowRect(window, &r);
    const short delta = down ? -WHEEL_DELTA : WHEEL_DELTA;
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
                 MAKELPARAM(r.left + kWidth / 2, r.top + kHeight / 2));
}

double Notches(HWND window) {
    double total = 0;
    for (const bool down : {true, false})
        for (int i = 0; i < kNotches; ++i) total += Once([&] { Notch(window, down); Flush(window); });
    return total / (2 * kNotches);
}

// The thumb of our bar, pressed at the top of its track (the first row) and
// moved a pixel at a time down and back; each move's rows go to `moved`.
// At 32768 rows a pixel of track is over a hundred rows: every move shows
// rows that were not in view.
double ThumbMoves(Ours& ours, std::vector<long>& moved) {
    const HWND bar = ours.Bar();
    RECT rc;
    GetClientRect(bar, &rc);
    const int x = rc.right / 2, top = 22;  // inside the thumb: below the 18-pixel arrow, 8 pixels tall
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, top));
    Flush(ours.window);
    double total = 0;
    moved.clear();
    int y = top;
    for (const int step : {1, -1}) {
        for (int i = 0; i < kMoves; ++i) {
            const long before = ours.GetLong(L"FirstIndex");
            y += step;
            total += Once([&] { SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); Flush(ours.window); });
            moved.push_back(ours.GetLong(L"FirstIndex") - before);
        }
    }
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Flush(ours.window);
    return total / (2 * kMoves);
}

double Scrolls(Anchor& anchor, const std::vector<long>& moved) {
    const int height = anchor.RowHeight();
    double total = 0;
    for (const long rows : moved)
        total += Once([&] { SendMessageW(anchor.window, LVM_SCROLL, 0, rows * height); Flush(anchor.window); });
    return total / static_cast<double>(moved.size());
}

// Both lists with the first row on top, as the figures start.
void ToTop(Ours& ours, Anchor& anchor) {
    ours.PutLong(L"ListIndex", 0);
    Key(anchor.window, VK_HOME);
    Flush(GetParent(anchor.window));
}

}  // namespace

Figure WheelFigure(Ours& ours, Anchor& anchor, int runs) {
    ToTop(ours, anchor);
    Figure f("wheel-32768");
    for (int r = 0; r < runs; ++r) {
        f.ours.push_back(Notches(ours.window));
        f.anchor.push_back(Notches(anchor.window));
    }
    return f;
}

Figure ThumbDragFigure(Ours& ours, Anchor& anchor, int runs) {
    ToTop(ours, anchor);
    Figure f("thumb-drag-32768");
    std::vector<long> moved;
    for (int r = 0; r < runs; ++r) {
        f.ours.push_back(ThumbMoves(ours, moved));
        f.anchor.push_back(Scrolls(anchor, moved));
    }
    long rows = 0;
    for (const long m : moved) rows += m < 0 ? -m : m;
    std::fprintf(stderr, "bench: a thumb move scrolled %ld rows on average\n", rows / static_cast<long>(moved.size()));
    return f;
}

}  // namespace mlbench
