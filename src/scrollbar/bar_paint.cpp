// Chooses the state of every part and paints the bar, covering its whole
// client area: repaints never erase first.
#include "scrollbar/cscrollbar_draw.h"
#include "scrollbar/uc_scrollbar.h"

namespace mirelo {

namespace {
using D = cScrollbarDraw;

D::ArrowState ArrowLook(const BarInputState& in, ScrollPart arrow) {
    if (in.Hot(arrow)) return D::ArrowHot;
    if (in.Pressed(arrow)) return D::ArrowPressed;
    return in.MouseInside ? D::ArrowBarHovered : D::ArrowNormal;
}

D::ThumbState ThumbLook(const BarInputState& in) {
    if (in.Hot(ScrollPart::Thumb)) return D::ThumbHot;
    return in.Pressed(ScrollPart::Thumb) ? D::ThumbPressed : D::ThumbNormal;
}
}  // namespace

void ucScrollbar::PaintBar(DeviceContext& dc) {
    if (!drawer_) drawer_ = std::make_unique<cScrollbarDraw>(gdi_);
    cScrollbarDraw& d = *drawer_;
    const int16_t o = model_.Orientation == 1 ? 1 : 0;
    const BarInputState& in = input_;
    const bool on = Enabled();
    d.DrawArrow1(dc, o, on ? ArrowLook(in, ScrollPart::Button1) : D::ArrowDisabled, layout_.Btn1Rect);
    d.DrawArrow2(dc, o, on ? ArrowLook(in, ScrollPart::Button2) : D::ArrowDisabled, layout_.Btn2Rect);
    if (layout_.ThumbVisible) {
        d.DrawTrack(dc, o, on && in.Pressed(ScrollPart::Track1) ? D::TrackPressed : D::TrackNormal, layout_.Track1Rect);
        d.DrawTrack(dc, o, on && in.Pressed(ScrollPart::Track2) ? D::TrackPressed : D::TrackNormal, layout_.Track2Rect);
        d.DrawThumb(dc, o, on ? ThumbLook(in) : D::ThumbDisabled, layout_.ThumbRect);
    }
    // The checkerboard takes the context's text and background colours as they are.
    if (layout_.FillerVisible) dc.FillRect(layout_.FillerRect, fillBrush_);
}

}  // namespace mirelo
