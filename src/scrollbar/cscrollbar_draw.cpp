#include "scrollbar/cscrollbar_draw.h"

#include "base/numeric.h"
#include "scrollbar/skin_copy.h"

namespace mirelo {

namespace {
int32_t Nearest(double v) { return ToInt32(v); }
}  // namespace

const char16_t* cScrollbarDraw::ResourceName(Skin s) {
    static const char16_t* const kNames[kSkinCount] = {
        u"SCRBACKH", u"SCRTHUMBH", u"SCRGRIPH", u"SCRARROWH", u"SCRARROWHL", u"SCRARROWHR",
        u"SCRBACKV", u"SCRTHUMBV", u"SCRGRIPV", u"SCRARROWV", u"SCRARROWVT", u"SCRARROWVB",
    };
    return kNames[s];
}

cScrollbarDraw::cScrollbarDraw(Gdi& gdi) {
    for (int i = 0; i < kSkinCount; ++i) {
        skins_[i] = gdi.CreateMemDC();
        skins_[i]->CreateFromResource(ResourceName(static_cast<Skin>(i)));
    }
}

void cScrollbarDraw::DrawTrack(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& r) {
    const int32_t w = r.Width(), h = r.Height();
    if (orientation == 1) {
        MemDC& s = skin(BackH);
        const int32_t x0 = 2 * state;
        StretchSkin(hdc, s, r.left, r.top, w, 3, x0, 0, 2, 3);
        StretchSkin(hdc, s, r.left, r.bottom - 3, w, 3, x0, 14, 2, 3);
        StretchSkin(hdc, s, r.left, r.top + 3, w, h - 6, x0, 3, 2, 11);
    } else {
        MemDC& s = skin(BackV);
        const int32_t y0 = 2 * state;
        StretchSkin(hdc, s, r.left, r.top, 3, h, 0, y0, 3, 2);
        StretchSkin(hdc, s, r.right - 3, r.top, 3, h, 14, y0, 3, 2);
        StretchSkin(hdc, s, r.left + 3, r.top, w - 6, h, 3, y0, 11, 2);
    }
}

void cScrollbarDraw::DrawThumb(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& r) {
    const int32_t w = r.Width(), h = r.Height();
    const int32_t L = r.left, T = r.top, R = r.right, B = r.bottom;
    if (orientation == 1) {
        MemDC& s = skin(ThumbH);
        const int32_t y0 = 17 * state;
        CopySkin(hdc, s, 0, y0, 3, 3, L, T);
        CopySkin(hdc, s, 0, y0 + 14, 3, 3, L, B - 3);
        StretchSkin(hdc, s, L, T + 3, 3, h - 6, 0, y0 + 3, 3, 11);
        StretchSkin(hdc, s, L + 3, T, w - 6, 3, 3, y0, 9, 3);
        StretchSkin(hdc, s, L + 3, B - 3, w - 6, 3, 3, y0 + 14, 9, 3);
        StretchSkin(hdc, s, L + 3, T + 3, w - 6, h - 6, 3, y0 + 3, 9, 11);
        CopySkin(hdc, s, 12, y0, 3, 3, R - 3, T);
        CopySkin(hdc, s, 12, y0 + 14, 3, 3, R - 3, B - 3);
        StretchSkin(hdc, s, R - 3, T + 3, 3, h - 6, 12, y0 + 3, 3, 11);
        // Rounded as a whole: left + 10.5 lands on the even neighbour of the sum.
        if (w >= 16) {
            KeyedCopySkin(hdc, skin(GripH), 0, 9 * state, 10, 9, Nearest(L + (w - 10) / 2.0),
                          Nearest((h - 9) / 2.0));
        }
    } else {
        MemDC& s = skin(ThumbV);
        const int32_t x0 = 17 * state;
        CopySkin(hdc, s, x0, 0, 3, 3, L, T);
        CopySkin(hdc, s, x0 + 14, 0, 3, 3, R - 3, T);
        StretchSkin(hdc, s, L + 3, T, w - 6, 3, x0 + 3, 0, 11, 3);
        StretchSkin(hdc, s, L, T + 3, 3, h - 6, x0, 3, 3, 9);
        StretchSkin(hdc, s, R - 3, T + 3, 3, h - 6, x0 + 14, 3, 3, 9);
        StretchSkin(hdc, s, L + 3, T + 3, w - 6, h - 6, x0 + 3, 3, 11, 9);
        CopySkin(hdc, s, x0, 12, 3, 3, L, B - 3);
        CopySkin(hdc, s, x0 + 14, 12, 3, 3, R - 3, B - 3);
        StretchSkin(hdc, s, L + 3, B - 3, w - 6, 3, x0 + 3, 12, 11, 3);
        if (h >= 16) {
            KeyedCopySkin(hdc, skin(GripV), 0, 10 * state, 9, 10, Nearest((w - 9) / 2.0),
                          Nearest(T + (h - 10) / 2.0));
        }
    }
}

void cScrollbarDraw::DrawArrow1(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect) {
    DrawArrow(hdc, orientation, state, rect, ArrowHL, ArrowVT);
}

void cScrollbarDraw::DrawArrow2(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect) {
    DrawArrow(hdc, orientation, state, rect, ArrowHR, ArrowVB);
}

// A button is always 18 pixels long from the start of its rectangle; only
// its thickness follows the rectangle.
void cScrollbarDraw::DrawArrow(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& r, Skin hGlyph,
                               Skin vGlyph) {
    const int32_t w = r.Width(), h = r.Height();
    if (orientation == 1) {
        MemDC& s = skin(ArrowH);
        const int32_t x0 = 18 * state;
        CopySkin(hdc, s, x0, 0, 18, 3, r.left, r.top);
        CopySkin(hdc, s, x0, 14, 18, 3, r.left, r.bottom - 3);
        StretchSkin(hdc, s, r.left, r.top + 3, 18, h - 6, x0, 3, 18, 11);
        KeyedCopySkin(hdc, skin(hGlyph), x0, 0, 18, 17, r.left, Nearest((h - 17) / 2.0));
    } else {
        MemDC& s = skin(ArrowV);
        const int32_t y0 = 18 * state;
        CopySkin(hdc, s, 0, y0, 3, 18, r.left, r.top);
        CopySkin(hdc, s, 14, y0, 3, 18, r.right - 3, r.top);
        StretchSkin(hdc, s, r.left + 3, r.top, w - 6, 18, 3, y0, 11, 18);
        KeyedCopySkin(hdc, skin(vGlyph), 0, y0, 17, 18, Nearest((w - 17) / 2.0), r.top);
    }
}

}  // namespace mirelo
