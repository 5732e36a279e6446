// Column-border drag. Hovering a border gap brings up the marker; pressing it
// freezes a picture of the control and turns the marker into a dark line that
// follows the pointer; the release resizes the columns and one deferred
// repaint replaces the picture. Nothing of the list paints during the drag.
#include "base/error.h"
#include "listctl/mirelo_list.h"

namespace mirelo {

namespace {

constexpr OleColor kDragLineColor = Rgb(24, 24, 24);
constexpr double kTwipsPerPixel = 15;

}  // namespace

void MireloList::BorderHover(float X, float Y) {
    if (!(Y > 2 && Y < ItemHeight_)) return;
    const int last = LastColumnSlot();
    // Only a gap between two shown columns is a border: the edges of the
    // header and the places of hidden slots take no drag.
    int left = -1;
    for (int c = 0; c <= last; ++c) {
        if (ColWidth_[c] < 1) continue;
        if (left >= 0) {
            const int32_t g = BorderWidth() + ColumnLeft(static_cast<int16_t>(c));
            if (g - 2 <= X && X <= g) {
                SuppressPaint_ = kTrue;
                Splitter_.Move(g - 2, BorderWidth(), 2, ItemHeight_);
                SplitColumn_ = static_cast<int16_t>(left);
                Splitter_.Show(true);
                return;
            }
        }
        left = c;
    }
}

void MireloList::Splitter_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    if (Button != 1) {
        // Another button ends a drag as its release would.
        if (SplitterGrabX_ != kNoBorderDrag) Splitter_MouseUp(Button, Shift, X, Y);
        SplitterGrabX_ = kNoBorderDrag;
        return;
    }
    picBack_.Cls();
    // Without the still picture the drag would show a control that cannot
    // repaint; then there is no drag at all.
    if (!picBack_.CopyFromScreen(static_cast<HWnd>(surface_.hWnd()))) return;
    picBack_.Show(true);
    Splitter_.SetBackColor(kDragLineColor);
    SplitterGrabX_ = ToInt32(static_cast<double>(X));
    Splitter_.Move(ToInt32(Splitter_.Left() + X / kTwipsPerPixel), BorderWidth(), 1, surface_.ScaleHeight());
    // The line now stands under the pointer: that is where the border starts.
    DragStartX_ = ToInt16(Splitter_.Left());
}

void MireloList::Splitter_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)Y;
    ShowCursorKind(kCursorSizeWE);
    if (SplitterGrabX_ == kNoBorderDrag) return;
    SplitterGrabX_ = ToInt32(static_cast<double>(X));
    // The position is read from the line's own left edge, which moves with
    // every step, so only "is the pointer still on it" tells whether to move.
    const int32_t to = ToInt32(Splitter_.Left() + X / kTwipsPerPixel);
    if (to == Splitter_.Left()) return;
    Splitter_.Move(to, BorderWidth(), 1, surface_.ScaleHeight());
}

void MireloList::Splitter_MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)Y;
    // A release that ends no drag (another button on the marker, or the left
    // one after another button ended the drag) must not resize again.
    if (SplitterGrabX_ == kNoBorderDrag) {
        Cursors_.RestoreDefault();
        return;
    }
    Splitter_.Show(false);
    DragEndX_ = ToInt16(Splitter_.Left() + X / kTwipsPerPixel);
    picBack_.Show(false);
    SplitterGrabX_ = kNoBorderDrag;
    Splitter_.SetBackColor(kSeparatorColor);
    const int32_t d = DragEndX_ - DragStartX_;
    if (d > 0) ResizeRight();
    else if (d < 0) ResizeLeft();
    else SetTimer1(true);
    Cursors_.RestoreDefault();
}

}  // namespace mirelo
