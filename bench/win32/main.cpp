// Our list against the system list view under Wine, side by side in one frame,
// one figure a line in the form the other benchmarks print.
#include "side_by_side.h"

#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <functional>

using namespace mlbench;

namespace {

void Report(const char* name, double ours, double anchor) {
    std::printf("bench %s ours=%.3fms anchor=%.3fms ratio=%.3f\n", name, ours * 1e3, anchor * 1e3,
                anchor > 0 ? ours / anchor : 0.0);
    std::fflush(stdout);
}

// The mean seconds of `step` over `times` runs, with `before` untimed ahead of each.
double Mean(int times, const std::function<void()>& step, const std::function<void()>& before = nullptr) {
    double total = 0;
    for (int i = 0; i < times; ++i) {
        if (before) before();
        const double start = Now();
        step();
        total += Now() - start;
    }
    return total / times;
}

double Once(const std::function<void()>& step) { return Mean(1, step); }

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Pending paints of a window and its children, so that each figure holds the
// painting its change asked for.
void Flush(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

void Key(HWND window, WPARAM key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateFrame() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"MireloListBench";
    RegisterClassW(&wc);
    RECT r = {0, 0, 2 * kWidth + 20, kHeight};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowExW(0, wc.lpszClassName, L"MireloList bench", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                           0, 0, r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
}

// The largest count, down from `full`, at which the anchor's clear would take
// at most `budget` seconds, from its time at `probe` rows and its quadratic growth.
int ClearCount(Anchor& anchor, const Rows& rows, int full, int probe, double budget) {
    anchor.Fill(rows, probe);
    Flush(anchor.window);
    const double t = Once([&] { SendMessageW(anchor.window, LVM_DELETEALLITEMS, 0, 0); });
    int n = full;
    while (n > probe && t * std::pow(static_cast<double>(n) / probe, 2) > budget) n /= 2;
    std::fprintf(stderr, "bench: LVM_DELETEALLITEMS of %d rows took %.1f ms; clearing %d\n", probe, t * 1e3, n);
    return n;
}

}  // namespace

int main() {
    if (FAILED(OleInitialize(nullptr))) return 1;
    const int full = 32768;
    HWND frame = CreateFrame();
    Ours ours;
    Anchor anchor;
    if (!frame || !ours.Create(frame) || !anchor.Create(frame)) {
        std::fprintf(stderr, "bench: could not host the lists (is MireloList.ocx registered?)\n");
        return 1;
    }
    Settle(300);
    const Rows rows(full);

    const double insertOurs = Once([&] { ours.Fill(rows, full); Flush(ours.window); });
    const double insertAnchor = Once([&] { anchor.Fill(rows, full); Flush(anchor.window); });
    Report("insert-32768", insertOurs, insertAnchor);
    Settle(200);

    // Back to the top, so both views show the same first rows.
    Key(ours.window, VK_HOME);
    Key(anchor.window, VK_HOME);
    Flush(frame);
    const int paints = 40;
    const double repaintOurs = Mean(paints, [&] { Repaint(ours.window); });
    const double repaintAnchor = Mean(paints, [&] { Repaint(anchor.window); });
    Report("repaint-full", repaintOurs, repaintAnchor);

    HDC memory = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECTL bounds = {0, 0, kWidth, kHeight};
    const double memOurs = Mean(paints, [&] {
        ours.view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr, nullptr, 0);
    });
    const double memAnchor = Mean(paints, [&] {
        SendMessageW(anchor.window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    });
    Report("repaint-memdc", memOurs, memAnchor);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);

    // Down presses from the first row, staying inside the view (about
    // fifteen rows show), each with the paint it asks for.
    const int rounds = 25, steps = 8;
    auto presses = [&](HWND window) {
        double total = 0;
        for (int r = 0; r < rounds; ++r) {
            Key(window, VK_HOME);
            Flush(window);
            total += Mean(steps, [&] { Key(window, VK_DOWN); Flush(window); });
        }
        return total / rounds;
    };
    SetFocus(ours.window);
    const double selectOurs = presses(ours.window);
    SetFocus(anchor.window);
    const double selectAnchor = presses(anchor.window);
    Report("select-next", selectOurs, selectAnchor);
    std::printf("bench select-next-vs-own-repaint ours=%.3fms anchor=%.3fms ratio=%.3f\n", selectOurs * 1e3,
                repaintOurs * 1e3, selectOurs / repaintOurs);

    // The key column's header cell: the first click sorts descending, the
    // second ascending, which is the one measured.
    const int keyX = 60 + 45, headerY = 6;
    ours.Click(keyX, headerY);
    Flush(ours.window);
    const double sortOurs = Once([&] { ours.Click(keyX, headerY); Flush(ours.window); });
    const double sortAnchor = Once([&] { anchor.Sort(); Flush(anchor.window); });
    Report("sort-32768", sortOurs, sortAnchor);

    // Clearing: the anchor's is quadratic under Wine; measured at the full
    // count only when that stays within about a minute.
    const int clearAt = ClearCount(anchor, rows, full, 4096, 60.0);
    if (clearAt != full) {
        ours.Clear();
        ours.Fill(rows, clearAt);
        anchor.Fill(rows, clearAt);
    } else {
        anchor.Fill(rows, full);
    }
    Flush(frame);
    const double clearOurs = Once([&] { ours.Clear(); Flush(ours.window); });
    const double clearAnchor = Once([&] { SendMessageW(anchor.window, LVM_DELETEALLITEMS, 0, 0); Flush(anchor.window); });
    char name[32];
    std::snprintf(name, sizeof name, "clear-%d", clearAt);
    Report(name, clearOurs, clearAnchor);

    ours.view->Release();
    ours.dual->Release();
    ours.dispatch->Release();
    return 0;
}
