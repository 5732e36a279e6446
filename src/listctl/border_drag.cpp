// Column-border drag. Hovering a border gap brings up the marker; pressing it
// freezes a picture of the control and turns the marker into a dark line that
// follows the pointer; the release resizes the columns and one deferred
// repaint replaces the picture. Nothing of the list paints during the drag.
//
// At the release the column on the near side of the border takes the
// distance; the shown columns on the far side give or take it in proportion
// to their widths, none below the minimum, so the total stays what the column
// operations keep. Hidden slots keep their width and count for no minimum:
// they would otherwise come back as columns of their own.
#include <array>

#include "listctl/mirelo_list.h"

namespace mirelo {

namespace {

using Widths = std::array<int16_t, kMaxColumn + 1>;

constexpr OleColor kDragLineColor = Rgb(24, 24, 24);
constexpr int16_t kMinColWidth = 30;  // no shown column is dragged narrower, pixels

int ShownCount(const Widths& w, int first, int last) {
    int n = 0;
    for (int j = first; j <= last; ++j) n += w[j] >= 1;
    return n;
}

int32_t Sum(const Widths& w, int first, int last, bool shownOnly) {
    int32_t s = 0;
    for (int j = first; j <= last; ++j)
        if (!shownOnly || w[j] >= 1) s += w[j];
    return s;
}

// The near column's new width: at least the minimum, then at most the limit.
int32_t Bounded(int32_t width, int32_t minWidth, int32_t limit) {
    if (width < minWidth) width = minWidth;
    if (width > limit) width = limit;
    return width;
}

// Columns first..last give up `growth` pixels (take them when negative).
void GiveUp(Widths& w, int first, int last, int32_t growth, int16_t minWidth) {
    std::array<bool, kMaxColumn + 1> shown{};
    for (int j = first; j <= last; ++j) shown[j] = w[j] >= 1;
    int32_t rest = Sum(w, first, last, true);
    if (rest == 0) rest = 1;
    for (int j = first; j <= last; ++j) {
        if (!shown[j]) continue;
        // The ratio first, then the product, each share rounded on its own.
        const int16_t share = ToInt16(-growth * (static_cast<double>(w[j]) / rest));
        w[j] = ToInt16(static_cast<int32_t>(w[j]) + share);
    }
    // Shares rounded separately can push a column below the minimum: raise
    // it, and take what that cost from the wider columns, left to right.
    int32_t deficit = 0;
    for (int j = first; j <= last; ++j) {
        if (shown[j] && w[j] < minWidth) {
            deficit += minWidth - w[j];
            w[j] = minWidth;
        }
    }
    for (int j = first; j <= last && deficit >= 1; ++j) {
        if (!shown[j] || w[j] <= minWidth) continue;
        const int32_t spare = w[j] - minWidth;
        if (spare < deficit) {
            deficit -= spare;
            w[j] = minWidth;
        } else {
            w[j] = ToInt16(w[j] - deficit);
            deficit = 0;
        }
    }
}

}  // namespace

void MireloList::Splitter_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    if (Button != 1) {
        // Another button ends a drag as its release would.
        if (borderDrag_) Splitter_MouseUp(Button, Shift, X, Y);
        borderDrag_.reset();
        return;
    }
    picBack_.Cls();
    // Without the still picture the drag would show a control that cannot
    // repaint; then there is no drag at all.
    if (!picBack_.CopyFromScreen(static_cast<HWnd>(surface_.hWnd()))) return;
    picBack_.Show(true);
    Splitter_.SetBackColor(kDragLineColor);
    MoveDragLine(ToInt32(Splitter_.Left() + X / kTwipsPerPixel));
    // The line now stands under the pointer: that is where the border starts.
    borderDrag_ = BorderDragGesture{ToInt16(Splitter_.Left())};
}

void MireloList::Splitter_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)Y;
    ShowCursorKind(kCursorSizeWE);
    if (!borderDrag_) return;
    // The position is read from the line's own left edge, which moves with
    // every step, so only "is the pointer still on it" tells whether to move.
    const int32_t to = ToInt32(Splitter_.Left() + X / kTwipsPerPixel);
    if (to == Splitter_.Left()) return;
    MoveDragLine(to);
}

void MireloList::MoveDragLine(int32_t x) {
    Splitter_.Move(Geometry().DragLine(x));
}

void MireloList::Splitter_MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)Y;
    // A release that ends no drag (another button on the marker, or the left
    // one after another button ended the drag) must not resize again.
    if (!borderDrag_) {
        Cursors_.RestoreDefault();
        return;
    }
    Splitter_.Show(false);
    const int16_t endX = ToInt16(Splitter_.Left() + X / kTwipsPerPixel);
    picBack_.Show(false);
    const int32_t d = endX - borderDrag_->startX;
    borderDrag_.reset();
    Splitter_.SetBackColor(kSeparatorColor);
    if (d > 0) ResizeRight(d);
    else if (d < 0) ResizeLeft(-d);
    else SetTimer1(true);
    Cursors_.RestoreDefault();
}

void MireloList::EndResize() {
    Splitter_.Show(false);
    if (access_) access_->HeaderChanged();
    // The one repaint comes from the timer; until the pointer moves again over
    // the control the system's paint requests would only flicker.
    SuppressPaint_ = kTrue;
    SetTimer1(true);
}

void MireloList::ResizeRight(int32_t d) {
    const int last = Geometry().LastSlot();
    const int k = SplitColumn_;
    Widths w = ColWidth_;
    if (k >= 0 && k <= last && w[k] >= 1) {
        const int32_t limit = ColWidthSum_ - Sum(w, 0, k - 1, false) - ShownCount(w, k + 1, last) * kMinColWidth;
        const int32_t width = Bounded(w[k] + d, kMinColWidth, limit);
        GiveUp(w, k + 1, last, width - w[k], kMinColWidth);
        w[k] = ToInt16(width);
        ColWidth_ = w;
    }
    EndResize();
}

void MireloList::ResizeLeft(int32_t e) {
    const int last = Geometry().LastSlot();
    const int k = SplitColumn_;
    Widths w = ColWidth_;
    int r = k + 1;  // the shown column right of the border
    while (r <= last && w[r] < 1) ++r;
    if (k >= 0 && r <= last) {
        const int32_t far = Sum(w, r + 1, last, false);
        const int32_t limit = ColWidthSum_ - ShownCount(w, 0, k) * kMinColWidth - far;
        const int32_t width = Bounded(w[r] + e, kMinColWidth, limit);
        GiveUp(w, 0, k, width - w[r], kMinColWidth);
        w[r] = ToInt16(width);
        ColWidth_ = w;
    }
    EndResize();
}

}  // namespace mirelo
