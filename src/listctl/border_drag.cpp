// Column-border drag. Hovering a border gap brings up the marker; pressing it
// freezes a picture of the control and turns the marker into a dark line that
// follows the pointer; the release resizes the columns and one deferred
// repaint replaces the picture. Nothing of the list paints during the drag.
// The widths the release leaves are the column model's (ResizeRight, ResizeLeft).
#include "listctl/mirelo_list.h"

namespace mirelo {

namespace {

constexpr OleColor kDragLineColor = Rgb(24, 24, 24);

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
    if (d == 0) {
        SetTimer1(true);
    } else {
        if (d > 0) columns_.ResizeRight(SplitColumn_, d);
        else columns_.ResizeLeft(SplitColumn_, -d);
        EndResize();
    }
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

}  // namespace mirelo
