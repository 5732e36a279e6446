// Column-border drag. Hovering a border gap brings up the marker; pressing it
// freezes a picture of the control and turns the marker into a dark line that
// follows the pointer; the release tells the list how far the border went and
// one deferred repaint replaces the picture. Nothing of the list paints during
// the drag.
#include "header/header_input.h"

namespace mirelo {

namespace {

constexpr OleColor kDragLineColor = Rgb(24, 24, 24);

}  // namespace

void HeaderInput::Splitter_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
    if (Button != 1) {
        // Another button ends a drag as its release would.
        if (borderDrag_) Splitter_MouseUp(Button, Shift, X, Y);
        borderDrag_.reset();
        return;
    }
    picBack_.Cls();
    // Without the still picture the drag would show a control that cannot
    // repaint; then there is no drag at all.
    if (!picBack_.CopyFromScreen(list_.Window())) return;
    picBack_.Show(true);
    Splitter_.SetBackColor(kDragLineColor);
    MoveDragLine(ToInt32(Splitter_.Left() + X / kTwipsPerPixel));
    // The line now stands under the pointer: that is where the border starts.
    borderDrag_ = BorderDragGesture{ToInt16(Splitter_.Left()), markerColumn_};
}

void HeaderInput::Splitter_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)Y;
    ShowCursorKind(kCursorSizeWE);
    if (!borderDrag_) return;
    // The position is read from the line's own left edge, which moves with
    // every step, so only "is the pointer still on it" tells whether to move.
    const int32_t to = ToInt32(Splitter_.Left() + X / kTwipsPerPixel);
    if (to == Splitter_.Left()) return;
    MoveDragLine(to);
}

void HeaderInput::MoveDragLine(int32_t x) { Splitter_.Move(list_.Geometry().DragLine(x)); }

void HeaderInput::Splitter_MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
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
    const BorderDragGesture drag = *borderDrag_;
    borderDrag_.reset();
    Splitter_.SetBackColor(kSeparatorColor);
    const int32_t d = endX - drag.startX;
    list_.BorderMoved(drag.column, d);
    if (d != 0) {
        Splitter_.Show(false);
        // The one repaint comes from the list's timer; until the pointer moves
        // again over the control the system's paint requests would only flicker.
        SuppressPaint_ = kTrue;
    }
    Cursors_.RestoreDefault();
}

void HeaderInput::MarkerToFirstBorder() {
    const ListGeometry g = list_.Geometry();
    Splitter_.Move(g.GapMarker(g.GestureLeft(1)));
    markerColumn_ = 0;
}

}  // namespace mirelo
