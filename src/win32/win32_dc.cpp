#include "win32/win32_dc.h"

#include "win32/pc_memdc.h"

namespace mirelo::win32 {

namespace {
// Surfaces of another platform have nothing to copy from here.
HDC SourceOf(MemDC& src) {
    auto* source = dynamic_cast<pcMemDC*>(&src);
    return source ? source->hdc() : nullptr;
}
}  // namespace

void HdcContext::FillRect(const Rect& r, BrushHandle brush) {
    if (!hdc_ || !brush) return;
    const RECT rc = {r.left, r.top, r.right, r.bottom};
    ::FillRect(hdc_, &rc, reinterpret_cast<HBRUSH>(brush));
}

void HdcContext::BitBlt(int32_t xDst, int32_t yDst, int32_t width, int32_t height, MemDC& src, int32_t xSrc,
                        int32_t ySrc) {
    HDC from = SourceOf(src);
    if (hdc_ && from) ::BitBlt(hdc_, xDst, yDst, width, height, from, xSrc, ySrc, SRCCOPY);
}

void HdcContext::StretchBlt(int32_t xDst, int32_t yDst, int32_t wDst, int32_t hDst, MemDC& src, int32_t xSrc,
                            int32_t ySrc, int32_t wSrc, int32_t hSrc) {
    HDC from = SourceOf(src);
    if (hdc_ && from) ::StretchBlt(hdc_, xDst, yDst, wDst, hDst, from, xSrc, ySrc, wSrc, hSrc, SRCCOPY);
}

void HdcContext::TransparentBlt(int32_t xDst, int32_t yDst, int32_t width, int32_t height, MemDC& src,
                                int32_t xSrc, int32_t ySrc, OleColor key) {
    HDC from = SourceOf(src);
    // An empty copy would make zero-sized work bitmaps for nothing.
    if (hdc_ && from && width > 0 && height > 0) keyed_.Copy(hdc_, xDst, yDst, width, height, from, xSrc, ySrc, key);
}

}  // namespace mirelo::win32
