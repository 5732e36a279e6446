// Our list against the system list view under Wine, side by side in one frame,
// one figure a line in the form the other benchmarks print. Every figure runs
// several times (BENCH_RUNS, default 5), ours and the anchor in turn; the line
// quotes each side's fastest run, and a comment line the spread.
#include "side_by_side.h"

#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "figure.h"
#include "remove_figures.h"
#include "scroll_figures.h"

using namespace mlbench;

namespace {

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

int Runs() {
    const char* text = std::getenv("BENCH_RUNS");
    const int runs = text ? std::atoi(text) : 5;
    return runs > 0 ? runs : 1;
}

}  // namespace

int main() {
    if (FAILED(OleInitialize(nullptr))) return 1;
    const int full = 32768, runs = Runs();
    HWND frame = CreateFrame(2 * kWidth + 20, L"MireloList bench");
    Ours ours;
    Anchor anchor;
    if (!frame || !ours.Create(frame) || !anchor.Create(frame)) {
        std::fprintf(stderr, "bench: could not host the lists (is MireloList.ocx registered?)\n");
        return 1;
    }
    Settle(300);
    const Rows rows(full);
    auto emptyBoth = [&] {
        ours.Clear();
        SendMessageW(anchor.window, LVM_DELETEALLITEMS, 0, 0);
        Flush(frame);
    };

    Figure insert("insert-32768");
    for (int r = 0; r < runs; ++r) {
        if (r > 0) emptyBoth();
        insert.ours.push_back(Once([&] { ours.Fill(rows, full); Flush(ours.window); }));
        insert.anchor.push_back(Once([&] { anchor.Fill(rows, full); Flush(anchor.window); }));
    }
    insert.Report();
    Settle(200);

    // Both views show the same first rows (filling leaves ours at the top).
    Key(anchor.window, VK_HOME);
    Flush(frame);
    const int paints = 40;
    Figure repaint("repaint-full");
    for (int r = 0; r < runs; ++r) {
        repaint.ours.push_back(Mean(paints, [&] { Repaint(ours.window); }));
        repaint.anchor.push_back(Mean(paints, [&] { Repaint(anchor.window); }));
    }
    repaint.Report();

    HDC memory = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECTL bounds = {0, 0, kWidth, kHeight};
    Figure memdc("repaint-memdc");
    for (int r = 0; r < runs; ++r) {
        memdc.ours.push_back(Mean(paints, [&] {
            ours.view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr, nullptr, 0);
        }));
        memdc.anchor.push_back(Mean(paints, [&] {
            SendMessageW(anchor.window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                         PRF_CLIENT | PRF_ERASEBKGND);
        }));
    }
    memdc.Report();
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);

    // Down presses from the first row, staying inside the view (about fifteen
    // rows show), each with the paint it asks for. Our list takes no Home key:
    // its selection goes back to the top through its property, untimed.
    const int rounds = 25, steps = 8;
    auto presses = [&](HWND window, const std::function<void()>& home) {
        double total = 0;
        for (int r = 0; r < rounds; ++r) {
            home();
            Flush(window);
            total += Mean(steps, [&] { Key(window, VK_DOWN); Flush(window); });
        }
        return total / rounds;
    };
    Figure select("select-next");
    for (int r = 0; r < runs; ++r) {
        SetFocus(ours.window);
        select.ours.push_back(presses(ours.window, [&] { ours.PutLong(L"ListIndex", 0); }));
        SetFocus(anchor.window);
        select.anchor.push_back(presses(anchor.window, [&] { Key(anchor.window, VK_HOME); }));
    }
    select.Report();
    Figure own("select-next-vs-own-repaint");
    own.ours = select.ours;
    own.anchor = repaint.ours;
    own.Report();

    WheelFigure(ours, anchor, runs).Report();
    ThumbDragFigure(ours, anchor, runs).Report();

    // The key column's header cell: a first click reverses the rows and marks
    // the column descending, the second puts them in ascending key order,
    // which is the one measured. Every run starts from the same shuffle: ours
    // is filled again, the anchor goes back to its insertion order.
    const int keyX = 60 + 45, headerY = 6;
    Figure sort("sort-32768");
    for (int r = 0; r < runs; ++r) {
        if (r > 0) {
            ours.Clear();
            ours.Fill(rows, full);
            anchor.Unsort();
        }
        ours.Click(keyX, headerY);
        Flush(frame);
        sort.ours.push_back(Once([&] { ours.Click(keyX, headerY); Flush(ours.window); }));
        sort.anchor.push_back(Once([&] { anchor.Sort(); Flush(anchor.window); }));
    }
    sort.Report();

    // Clearing: the anchor's is quadratic under Wine; measured at the full
    // count only when that stays within about a minute.
    emptyBoth();
    const int clearAt = ClearCount(anchor, rows, full, 4096, 60.0);
    char name[32];
    std::snprintf(name, sizeof name, "clear-%d", clearAt);
    Figure clear(name);
    for (int r = 0; r < runs; ++r) {
        ours.Fill(rows, clearAt);
        anchor.Fill(rows, clearAt);
        Flush(frame);
        clear.ours.push_back(Once([&] { ours.Clear(); Flush(ours.window); }));
        clear.anchor.push_back(Once([&] { SendMessageW(anchor.window, LVM_DELETEALLITEMS, 0, 0); Flush(anchor.window); }));
    }
    clear.Report();

    for (const Figure& f : RemoveFigures(ours, anchor, rows, full, runs)) f.Report();

    FirstPaintFigure(rows, 1000, runs).Report();

    ours.view->Release();
    ours.dual->Release();
    ours.dispatch->Release();
    return 0;
}
