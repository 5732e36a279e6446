#pragma once
// A device context of user32/gdi32 seen through the core's DeviceContext:
// fills with the core's brushes and copies from off-screen surfaces of this
// platform (plain, stretched, colour-keyed). It does not own the HDC; it keeps
// the buffers of its keyed copies from one paint to the next.
#include <windows.h>

#include "platform/device_context.h"
#include "win32/keyed_copy.h"

namespace mirelo::win32 {

class HdcContext : public DeviceContext {
public:
    void Attach(HDC hdc) { hdc_ = hdc; }

    void FillRect(const Rect& r, BrushHandle brush) override;
    void BitBlt(int32_t xDst, int32_t yDst, int32_t width, int32_t height, MemDC& src, int32_t xSrc,
                int32_t ySrc) override;
    void StretchBlt(int32_t xDst, int32_t yDst, int32_t wDst, int32_t hDst, MemDC& src, int32_t xSrc, int32_t ySrc,
                    int32_t wSrc, int32_t hSrc) override;
    void TransparentBlt(int32_t xDst, int32_t yDst, int32_t width, int32_t height, MemDC& src, int32_t xSrc,
                        int32_t ySrc, OleColor key) override;

private:
    HDC hdc_ = nullptr;
    KeyedCopy keyed_;
};

}  // namespace mirelo::win32
