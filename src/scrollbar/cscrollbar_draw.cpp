#include "scrollbar/cscrollbar_draw.h"

#include <initializer_list>

#include "base/numeric.h"

namespace mirelo {

namespace {
int32_t Nearest(double v) { return ToInt32(v); }

// A piece of a skin cell along the bar or across it: where it starts in the
// cell and how long it is there, where it lands on the bar and how long it
// is drawn. A fixed piece keeps its size.
struct Slice {
    int32_t from, size, to, length;
    bool stretched;
};
Slice Fixed(int32_t from, int32_t size, int32_t to) { return {from, size, to, size, false}; }
Slice Stretched(int32_t from, int32_t size, int32_t to, int32_t length) { return {from, size, to, length, true}; }

// Copies in coordinates along and across the bar. The horizontal and the
// vertical skins are each other's mirror images on the diagonal, so one set
// of slices serves both orientations.
struct AxisCopy {
    AxisCopy(DeviceContext& dc, int16_t orientation, const Rect& r)
        : dc(dc), horizontal(orientation == 1), start(horizontal ? r.left : r.top),
          length(horizontal ? r.Width() : r.Height()), side(horizontal ? r.top : r.left),
          thickness(horizontal ? r.Height() : r.Width()) {}

    int32_t X(int32_t along, int32_t across) const { return horizontal ? along : across; }
    int32_t Y(int32_t along, int32_t across) const { return horizontal ? across : along; }

    // Each piece along the bar in three across it: the 3-pixel borders of the
    // 17-pixel cell, then its 11-pixel middle stretched to the part's thickness.
    // `cellAcross` is where the state's cell starts across the strip.
    void Slices(MemDC& skin, std::initializer_list<Slice> along, int32_t cellAcross) {
        const Slice across[] = {Fixed(cellAcross, 3, side), Fixed(cellAcross + 14, 3, side + thickness - 3),
                                Stretched(cellAcross + 3, 11, side + 3, thickness - 6)};
        for (const Slice& a : along)
            for (const Slice& c : across) Piece(skin, a, c);
    }

    void Piece(MemDC& skin, const Slice& a, const Slice& c) {
        if (!a.stretched && !c.stretched) {
            dc.BitBlt(X(a.to, c.to), Y(a.to, c.to), X(a.size, c.size), Y(a.size, c.size), skin, X(a.from, c.from),
                      Y(a.from, c.from));
        } else {
            dc.StretchBlt(X(a.to, c.to), Y(a.to, c.to), X(a.length, c.length), Y(a.length, c.length), skin,
                          X(a.from, c.from), Y(a.from, c.from), X(a.size, c.size), Y(a.size, c.size));
        }
    }

    // A copy that lets the bar show through magenta, from (xSrc, ySrc) of the
    // skin as it is stored.
    void Keyed(MemDC& skin, int32_t xSrc, int32_t ySrc, int32_t alongSize, int32_t acrossSize, int32_t at,
               int32_t atAcross) {
        dc.TransparentBlt(X(at, atAcross), Y(at, atAcross), X(alongSize, acrossSize), Y(alongSize, acrossSize),
                          skin, xSrc, ySrc, kMagenta);
    }

    DeviceContext& dc;
    const bool horizontal;
    const int32_t start, length;    // the rectangle along the bar
    const int32_t side, thickness;  // and across it
};
}  // namespace

cScrollbarDraw::cScrollbarDraw(Gdi& gdi) {
    static const char16_t* const kNames[kSkinCount] = {
        u"SCRBACKH", u"SCRTHUMBH", u"SCRGRIPH", u"SCRARROWH", u"SCRARROWHL", u"SCRARROWHR",
        u"SCRBACKV", u"SCRTHUMBV", u"SCRGRIPV", u"SCRARROWV", u"SCRARROWVT", u"SCRARROWVB",
    };
    for (int i = 0; i < kSkinCount; ++i) {
        skins_[i] = gdi.CreateMemDC();
        skins_[i]->CreateFromResource(kNames[i]);
    }
}

MemDC& cScrollbarDraw::SkinFor(Skin horizontal, bool horizontalBar) {
    return skin(horizontalBar ? horizontal : static_cast<Skin>(horizontal + BackV - BackH));
}

void cScrollbarDraw::DrawTrack(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect) {
    AxisCopy c(hdc, orientation, rect);
    c.Slices(SkinFor(BackH, c.horizontal), {Stretched(2 * state, 2, c.start, c.length)}, 0);
}

void cScrollbarDraw::DrawThumb(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect) {
    AxisCopy c(hdc, orientation, rect);
    const int32_t end = c.start + c.length;
    c.Slices(SkinFor(ThumbH, c.horizontal),
             {Fixed(0, 3, c.start), Stretched(3, 9, c.start + 3, c.length - 6), Fixed(12, 3, end - 3)}, 17 * state);
    if (c.length < 16) return;
    // Both grip strips stack their cells downwards. Rounded as a whole:
    // start + 10.5 lands on the even neighbour of the sum.
    c.Keyed(SkinFor(GripH, c.horizontal), 0, c.Y(10, 9) * state, 10, 9, Nearest(c.start + (c.length - 10) / 2.0),
            Nearest((c.thickness - 9) / 2.0));
}

void cScrollbarDraw::DrawArrow1(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect) {
    DrawArrow(hdc, orientation, state, rect, ArrowHL);
}

void cScrollbarDraw::DrawArrow2(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect) {
    DrawArrow(hdc, orientation, state, rect, ArrowHR);
}

// A button is always 18 pixels long from the start of its rectangle; only
// its thickness follows the rectangle.
void cScrollbarDraw::DrawArrow(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect,
                               Skin glyph) {
    AxisCopy c(hdc, orientation, rect);
    const int32_t cell = 18 * state;
    c.Slices(SkinFor(ArrowH, c.horizontal), {Fixed(cell, 18, c.start)}, 0);
    c.Keyed(SkinFor(glyph, c.horizontal), c.X(cell, 0), c.Y(cell, 0), 18, 17, c.start,
            Nearest((c.thickness - 17) / 2.0));
}

}  // namespace mirelo
