#pragma once
// A device context to paint on (a window's paint context or the control's own).
// Skin copies read from off-screen surfaces; the colour-keyed copy leaves the
// destination unchanged wherever the source pixel equals the key.
#include <cstdint>

#include "base/color.h"
#include "base/rect.h"
#include "platform/gdi.h"

namespace mirelo {

class MemDC;

class DeviceContext {
public:
    virtual ~DeviceContext() = default;
    virtual void FillRect(const Rect& r, BrushHandle brush) = 0;
    virtual void BitBlt(int32_t xDst, int32_t yDst, int32_t width, int32_t height, MemDC& src, int32_t xSrc,
                        int32_t ySrc) = 0;
    virtual void StretchBlt(int32_t xDst, int32_t yDst, int32_t wDst, int32_t hDst, MemDC& src, int32_t xSrc,
                            int32_t ySrc, int32_t wSrc, int32_t hSrc) = 0;
    virtual void TransparentBlt(int32_t xDst, int32_t yDst, int32_t width, int32_t height, MemDC& src,
                                int32_t xSrc, int32_t ySrc, OleColor key) = 0;
};

}  // namespace mirelo
