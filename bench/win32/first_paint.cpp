// first-paint: what a form pays to show a filled list once. Ours: created by
// its ProgID, activated in place, given its columns, filled and painted; the
// list view: created, given its columns, filled and painted. Each in turn in a
// frame of its own, taken down again untimed.
#include "scroll_figures.h"

namespace mlbench {

Figure FirstPaintFigure(const Rows& rows, int count, int runs) {
    HWND frame = CreateFrame(kWidth, L"MireloList bench: first paint");
    Settle(100);
    Figure f("first-paint");
    for (int r = 0; r < runs; ++r) {
        Ours ours;
        f.ours.push_back(Once([&] {
            ours.Create(frame);
            ours.Fill(rows, count);
            Flush(frame);
        }));
        ours.Destroy();
        Flush(frame);
        Anchor anchor;
        f.anchor.push_back(Once([&] {
            anchor.Create(frame, 0);
            anchor.Fill(rows, count);
            Flush(frame);
        }));
        anchor.Destroy();
        Flush(frame);
    }
    DestroyWindow(frame);
    return f;
}

}  // namespace mlbench
