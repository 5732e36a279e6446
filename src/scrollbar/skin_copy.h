#pragma once
// The three ways a skin cell reaches the screen, with the argument order and
// the "size below 1 means the whole surface" rule of the memory surfaces.
#include <cstdint>

#include "base/color.h"
#include "platform/device_context.h"
#include "platform/memdc.h"

namespace mirelo {

inline int32_t WholeIfEmpty(int32_t size, int32_t whole) { return size < 1 ? whole : size; }

// Plain copy at the source size (Draw with UseMask False).
inline void CopySkin(DeviceContext& dc, MemDC& src, int32_t xSrc, int32_t ySrc, int32_t wSrc, int32_t hSrc,
                     int32_t xDst, int32_t yDst) {
    dc.BitBlt(xDst, yDst, WholeIfEmpty(wSrc, src.Width()), WholeIfEmpty(hSrc, src.Height()), src, xSrc, ySrc);
}

// Copy that lets the destination show through magenta (Draw with UseMask True).
inline void KeyedCopySkin(DeviceContext& dc, MemDC& src, int32_t xSrc, int32_t ySrc, int32_t wSrc, int32_t hSrc,
                          int32_t xDst, int32_t yDst) {
    dc.TransparentBlt(xDst, yDst, WholeIfEmpty(wSrc, src.Width()), WholeIfEmpty(hSrc, src.Height()), src, xSrc,
                      ySrc, kMagenta);
}

// Stretched copy (StretchDraw): destination first, then source.
inline void StretchSkin(DeviceContext& dc, MemDC& src, int32_t xDst, int32_t yDst, int32_t wDst, int32_t hDst,
                        int32_t xSrc, int32_t ySrc, int32_t wSrc, int32_t hSrc) {
    dc.StretchBlt(xDst, yDst, wDst, hDst, src, xSrc, ySrc, WholeIfEmpty(wSrc, src.Width()),
                  WholeIfEmpty(hSrc, src.Height()));
}

}  // namespace mirelo
