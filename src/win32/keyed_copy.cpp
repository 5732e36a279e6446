#include "win32/keyed_copy.h"

#include <olectl.h>

#include <algorithm>

namespace mirelo::win32 {

namespace {
constexpr DWORD kDestAndNotSrc = 0x00220326;  // DSna: keyed source pixels become black
}  // namespace

KeyedCopy::~KeyedCopy() {
    Free();  // deleting the contexts lets go of the palette
    if (ownPalette_) DeleteObject(palette_);
}

bool KeyedCopy::Reserve(int32_t width, int32_t height) {
    if (work_.dc() && width <= width_ && height <= height_) return true;
    const int32_t w = std::max(width, width_), h = std::max(height, height_);
    Free();
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    if (!palette_) {
        palette_ = CreateHalftonePalette(screen);
        ownPalette_ = palette_ != nullptr;
    }
    work_ = BitmapDC(screen, CreateCompatibleBitmap(screen, w, h));
    source_ = BitmapDC(screen, CreateCompatibleBitmap(screen, w, h));
    mask_ = BitmapDC(screen, CreateBitmap(w, h, 1, 1, nullptr));
    ReleaseDC(nullptr, screen);
    if (!work_.Ready() || !source_.Ready() || !mask_.Ready()) {
        Free();
        return false;
    }
    for (HDC colour : {work_.dc(), source_.dc()}) {
        if (palette_ && SelectPalette(colour, palette_, TRUE)) RealizePalette(colour);
    }
    width_ = w;
    height_ = h;
    return true;
}

void KeyedCopy::Free() {
    for (BitmapDC* b : {&work_, &source_, &mask_}) b->Free();
    width_ = height_ = 0;
}

void KeyedCopy::Copy(HDC dst, int32_t xDst, int32_t yDst, int32_t width, int32_t height, HDC src, int32_t xSrc,
                     int32_t ySrc, OleColor key) {
    if (!Reserve(width, height)) return;
    COLORREF keyRgb = 0;
    OleTranslateColor(key, palette_, &keyRgb);
    keyRgb &= 0xFFFFFF;
    HDC work = work_.dc(), source = source_.dc(), mask = mask_.dc();

    // The destination as it is now, and the source with its own colours.
    BitBlt(work, 0, 0, width, height, dst, xDst, yDst, SRCCOPY);
    SetBkColor(source, GetBkColor(src));
    SetTextColor(source, GetTextColor(src));
    BitBlt(source, 0, 0, width, height, src, xSrc, ySrc, SRCCOPY);

    // Mask: white where the source is the key colour, black elsewhere.
    SetBkColor(source, keyRgb);
    SetTextColor(source, RGB(255, 255, 255));
    BitBlt(mask, 0, 0, width, height, source, 0, 0, SRCCOPY);

    // Keyed source pixels to black, so they add nothing below.
    SetTextColor(source, RGB(0, 0, 0));
    SetBkColor(source, RGB(255, 255, 255));
    BitBlt(source, 0, 0, width, height, mask, 0, 0, kDestAndNotSrc);

    // Keyed pixels keep the destination, the others become black; then the
    // source is painted into them. One copy reaches the visible surface.
    BitBlt(work, 0, 0, width, height, mask, 0, 0, SRCAND);
    BitBlt(work, 0, 0, width, height, source, 0, 0, SRCPAINT);
    BitBlt(dst, xDst, yDst, width, height, work, 0, 0, SRCCOPY);
}

void TransparentCopy(HDC dst, int32_t xDst, int32_t yDst, int32_t width, int32_t height, HDC src, int32_t xSrc,
                     int32_t ySrc, OleColor key, HPALETTE palette) {
    KeyedCopy(palette).Copy(dst, xDst, yDst, width, height, src, xSrc, ySrc, key);
}

}  // namespace mirelo::win32
