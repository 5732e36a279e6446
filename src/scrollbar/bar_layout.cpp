#include "scrollbar/bar_layout.h"

#include <initializer_list>

#include "base/numeric.h"

namespace mirelo {

namespace {
bool Horizontal(const BarModel& m) { return m.Orientation == 1; }

// The rectangle from `from` to `to` along the bar and `across` thick: the
// rules are written once, as if vertical, and turned for a horizontal bar.
Rect Span(bool horizontal, int32_t from, int32_t to, int32_t across) {
    return horizontal ? Rect{from, 0, to, across} : Rect{0, from, across, to};
}
}  // namespace

int32_t BarLayout::TrackStart(int32_t orientation) const {
    return orientation == 1 ? Btn1Rect.right : Btn1Rect.bottom;
}

int32_t BarLayout::TrackEnd(int32_t orientation) const { return orientation == 1 ? Btn2Rect.left : Btn2Rect.top; }

void CalcButtonRects(BarLayout& g, const BarModel& m, int32_t width, int32_t height) {
    const int32_t L = m.ShowButtons ? kButtonLength : 0;
    const bool horizontal = Horizontal(m);
    const int32_t len = horizontal ? width : height;
    const int32_t across = horizontal ? height : width;
    auto span = [&](int32_t from, int32_t to) { return Span(horizontal, from, to, across); };
    if (len > 2 * L) {
        // Full-length buttons; between them a track from 8 pixels on, a filler below that.
        g.Btn1Rect = span(0, L);
        g.Btn2Rect = span(len - L, len);
        g.ThumbVisible = len >= 2 * L + 8;
        g.FillerVisible = !g.ThumbVisible;
        if (g.FillerVisible) g.FillerRect = span(L, len - L);
    } else {
        // The buttons share the length; the middle line of an odd one is filled.
        const int32_t half = len / 2;
        g.ThumbVisible = false;
        g.Btn1Rect = span(0, half);
        g.Btn2Rect = span(len - half, len);
        g.FillerVisible = len % 2 != 0;
        if (g.FillerVisible) g.FillerRect = span(half, half + 1);
    }
    // Far more room sideways than along the axis before a drag snaps back.
    g.DragLimitRect = InflateRect(Rect{0, 0, width, height}, horizontal ? 25 : 250, horizontal ? 250 : 25);
    if (!g.ThumbVisible) g.Track1Rect = g.Track2Rect = g.ThumbRect = Rect{};
}

int32_t GetThumbSize(const BarLayout& g, const BarModel& m) {
    int64_t size = 0;
    if (m.LargeChange != 0) {
        const int64_t pages = m.ValueRange() / m.LargeChange + 1;
        if (pages != 0) size = g.TrackLen(m.Orientation) / pages;
    }
    return size < kMinThumbSize ? kMinThumbSize : ToInt32(size);
}

int32_t GetThumbPos(const BarLayout& g, const BarModel& m) {
    const int32_t start = g.TrackStart(m.Orientation);
    if (m.ValueRange() == 0) return start;
    const double free = g.TrackLen(m.Orientation) - g.ThumbSize;
    const double offset = static_cast<double>(m.Value) - m.Min;
    return ToInt32(start + free / static_cast<double>(m.ValueRange()) * offset);
}

int32_t GetValueFromThumb(const BarLayout& g, const BarModel& m) {
    const int32_t free = g.TrackLen(m.Orientation) - g.ThumbSize;
    if (free == 0) return m.Min;
    const double moved = g.ThumbPos - g.TrackStart(m.Orientation);
    return ToInt32(m.Min + moved / free * static_cast<double>(m.ValueRange()));
}

void CalcTrackRects(BarLayout& g, const BarModel& m) {
    if (!g.ThumbVisible) return;
    const bool horizontal = Horizontal(m);
    const int32_t across = horizontal ? g.Btn2Rect.bottom : g.Btn2Rect.right;  // both buttons' thickness
    const int32_t end = Clip32(int64_t{g.ThumbPos} + g.ThumbSize);  // a stored Value may put it anywhere
    g.Track1Rect = Span(horizontal, g.TrackStart(m.Orientation), g.ThumbPos, across);
    g.Track2Rect = Span(horizontal, end, g.TrackEnd(m.Orientation), across);
    g.ThumbRect = Span(horizontal, g.ThumbPos, end, across);
}

const Rect& BarLayout::PartRect(ScrollPart p) const {
    static const Rect kNone{};
    switch (p) {
        case ScrollPart::Button1: return Btn1Rect;
        case ScrollPart::Button2: return Btn2Rect;
        case ScrollPart::Track1: return Track1Rect;
        case ScrollPart::Track2: return Track2Rect;
        case ScrollPart::Thumb: return ThumbRect;
        default: return kNone;
    }
}

ScrollPart BarHitTest(const BarLayout& g, int32_t x, int32_t y) {
    using P = ScrollPart;
    for (P p : {P::Button1, P::Button2, P::Track1, P::Track2, P::Thumb})
        if (PtInRect(g.PartRect(p), x, y)) return p;
    return P::None;
}

}  // namespace mirelo
