// Chooses the state of every part and paints the bar, covering its whole
// client area: repaints never erase first.
#include "scrollbar/cscrollbar_draw.h"
#include "scrollbar/uc_scrollbar.h"

namespace mirelo {

namespace {
int16_t ButtonState(bool hot, bool pressed, bool mouseInside) {
    if (hot) return 2;
    if (pressed) return 3;
    return mouseInside ? 1 : 0;
}
}  // namespace

void ucScrollbar::PaintBar(DeviceContext& dc) {
    if (!drawer_) drawer_ = std::make_unique<cScrollbarDraw>(gdi_);
    cScrollbarDraw& d = *drawer_;
    const int16_t o = model_.Orientation == 1 ? 1 : 0;
    const BarInputState& in = input_;
    if (Enabled()) {
        d.DrawArrow1(dc, o, ButtonState(in.Btn1Hot, in.Btn1Pressed, in.MouseInside), layout_.Btn1Rect);
        d.DrawArrow2(dc, o, ButtonState(in.Btn2Hot, in.Btn2Pressed, in.MouseInside), layout_.Btn2Rect);
        if (layout_.ThumbVisible) {
            d.DrawTrack(dc, o, in.Track1Pressed ? 1 : 0, layout_.Track1Rect);
            d.DrawTrack(dc, o, in.Track2Pressed ? 1 : 0, layout_.Track2Rect);
            d.DrawThumb(dc, o, in.ThumbHot ? 1 : (in.ThumbPressed ? 2 : 0), layout_.ThumbRect);
        }
    } else {
        d.DrawArrow1(dc, o, 4, layout_.Btn1Rect);
        d.DrawArrow2(dc, o, 4, layout_.Btn2Rect);
        if (layout_.ThumbVisible) {
            d.DrawTrack(dc, o, 0, layout_.Track1Rect);
            d.DrawTrack(dc, o, 0, layout_.Track2Rect);
            d.DrawThumb(dc, o, 3, layout_.ThumbRect);
        }
    }
    // The checkerboard takes the context's text and background colours as they are.
    if (layout_.FillerVisible) dc.FillRect(layout_.FillerRect, fillBrush_);
}

}  // namespace mirelo
