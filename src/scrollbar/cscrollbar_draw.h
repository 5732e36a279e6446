#pragma once
// Paints the parts of a bar from twelve skin strips, one cell per state,
// keeping 3-pixel borders and stretching the middles to the part's size.
#include <array>
#include <cstdint>
#include <memory>

#include "base/rect.h"
#include "platform/device_context.h"
#include "platform/gdi.h"
#include "platform/memdc.h"

namespace mirelo {

class cScrollbarDraw {
public:
    // Loads every skin once; a paint then creates no skin objects.
    explicit cScrollbarDraw(Gdi& gdi);

    // The states of a part: each is the cell of its skin strip drawn.
    enum ArrowState : int16_t { ArrowNormal, ArrowBarHovered, ArrowHot, ArrowPressed, ArrowDisabled };
    enum ThumbState : int16_t { ThumbNormal, ThumbHot, ThumbPressed, ThumbDisabled };
    enum TrackState : int16_t { TrackNormal, TrackPressed };

    // orientation: 1 horizontal, any other value vertical.
    void DrawTrack(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect);
    void DrawThumb(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect);
    void DrawArrow1(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect);
    void DrawArrow2(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect);

    enum Skin {
        BackH, ThumbH, GripH, ArrowH, ArrowHL, ArrowHR,
        BackV, ThumbV, GripV, ArrowV, ArrowVT, ArrowVB,
        kSkinCount
    };
    MemDC& skin(Skin s) { return *skins_[s]; }

private:
    // The vertical skin of a horizontal one for a vertical bar.
    MemDC& SkinFor(Skin horizontal, bool horizontalBar);
    void DrawArrow(DeviceContext& hdc, int16_t orientation, int16_t state, const Rect& rect, Skin glyph);

    std::array<std::unique_ptr<MemDC>, kSkinCount> skins_;
};

}  // namespace mirelo
