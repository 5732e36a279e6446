#include "win32/pc_memdc.h"

#include <olectl.h>

#include "base/color.h"

namespace mirelo::win32 {

namespace {

constexpr DWORD kDestAndNotSrc = 0x00220326;  // DSna: keyed source pixels become black

int32_t WholeIfEmpty(int32_t size, int32_t whole) { return size < 1 ? whole : size; }

}  // namespace

pcMemDC::pcMemDC(HMODULE module) : module_(module) {}

pcMemDC::~pcMemDC() { FreeSurface(); }

void pcMemDC::SetWidth(int32_t w) {
    if (w > width_) CreateSurface(w, height_);
}

void pcMemDC::SetHeight(int32_t h) {
    if (h > height_) CreateSurface(width_, h);
}

void pcMemDC::CreateSurface(int32_t width, int32_t height) {
    FreeSurface();
    // The display context is only there to make the surface screen-compatible.
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!display) return;
    bool ok = false;
    hdc_ = CreateCompatibleDC(display);
    if (hdc_) {
        bitmap_ = CreateCompatibleBitmap(display, width, height);
        if (bitmap_) {
            previous_ = SelectObject(hdc_, bitmap_);
            ok = previous_ != nullptr && previous_ != HGDI_ERROR;
            if (!ok) previous_ = nullptr;
        }
    }
    DeleteDC(display);
    if (ok) {
        width_ = width;
        height_ = height;
    } else {
        FreeSurface();
    }
}

void pcMemDC::FreeSurface() {
    if (previous_) {
        SelectObject(hdc_, previous_);
        previous_ = nullptr;
    }
    if (bitmap_) DeleteObject(bitmap_);
    if (hdc_) DeleteDC(hdc_);
    bitmap_ = nullptr;
    hdc_ = nullptr;
    width_ = 0;
    height_ = 0;
}

bool pcMemDC::CreateFromPicture(HBITMAP sPic) {
    BITMAP info{};
    if (!sPic || GetObjectA(sPic, sizeof info, &info) == 0) return false;
    SetWidth(info.bmWidth);
    SetHeight(info.bmHeight);
    if (!hdc_) return false;
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!display) return false;
    bool copied = false;
    if (HDC temp = CreateCompatibleDC(display)) {
        HGDIOBJ old = SelectObject(temp, sPic);
        if (old && old != HGDI_ERROR) {
            copied = BitBlt(hdc_, 0, 0, info.bmWidth, info.bmHeight, temp, 0, 0, SRCCOPY) != FALSE;
            SelectObject(temp, old);
        }
        DeleteDC(temp);
    }
    DeleteDC(display);
    return copied;
}

bool pcMemDC::CreateFromResource(const Text& name) {
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageW(module_, reinterpret_cast<LPCWSTR>(name.c_str()), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!bitmap) return false;
    const bool ok = CreateFromPicture(bitmap);
    DeleteObject(bitmap);
    return ok;
}

void pcMemDC::Draw(HDC hdc, int32_t xSrc, int32_t ySrc, int32_t WidthSrc, int32_t HeightSrc, int32_t xDst,
                   int32_t yDst, bool UseMask) const {
    const int32_t w = WholeIfEmpty(WidthSrc, width_);
    const int32_t h = WholeIfEmpty(HeightSrc, height_);
    if (UseMask)
        TransparentCopy(hdc, xDst, yDst, w, h, hdc_, xSrc, ySrc, kMagenta, nullptr);
    else
        BitBlt(hdc, xDst, yDst, w, h, hdc_, xSrc, ySrc, SRCCOPY);
}

void pcMemDC::StretchDraw(HDC hdc, int32_t xDst, int32_t yDst, int32_t WidthDst, int32_t HeightDst, int32_t xSrc,
                          int32_t ySrc, int32_t WidthSrc, int32_t HeightSrc) const {
    StretchBlt(hdc, xDst, yDst, WidthDst, HeightDst, hdc_, xSrc, ySrc, WholeIfEmpty(WidthSrc, width_),
               WholeIfEmpty(HeightSrc, height_), SRCCOPY);
}

void TransparentCopy(HDC dst, int32_t xDst, int32_t yDst, int32_t width, int32_t height, HDC src, int32_t xSrc,
                     int32_t ySrc, OleColor key, HPALETTE palette) {
    HDC screen = GetDC(nullptr);
    HPALETTE ownPalette = nullptr;
    if (!palette) palette = ownPalette = CreateHalftonePalette(screen);
    COLORREF keyRgb = 0;
    OleTranslateColor(key, palette, &keyRgb);
    keyRgb &= 0xFFFFFF;

    // Work buffer: the destination as it is now.
    HDC work = CreateCompatibleDC(screen);
    HBITMAP workBmp = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ workOld = SelectObject(work, workBmp);
    HPALETTE workOldPal = SelectPalette(work, palette, TRUE);
    RealizePalette(work);
    BitBlt(work, 0, 0, width, height, dst, xDst, yDst, SRCCOPY);

    // Source buffer, with the source's colours.
    HDC source = CreateCompatibleDC(screen);
    HBITMAP sourceBmp = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ sourceOld = SelectObject(source, sourceBmp);
    HPALETTE sourceOldPal = SelectPalette(source, palette, TRUE);
    RealizePalette(source);
    SetBkColor(source, GetBkColor(src));
    SetTextColor(source, GetTextColor(src));
    BitBlt(source, 0, 0, width, height, src, xSrc, ySrc, SRCCOPY);

    // Mask: white where the source is the key colour, black elsewhere.
    HDC mask = CreateCompatibleDC(screen);
    HBITMAP maskBmp = CreateBitmap(width, height, 1, 1, nullptr);
    HGDIOBJ maskOld = SelectObject(mask, maskBmp);
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

    SelectObject(mask, maskOld);
    SelectPalette(source, sourceOldPal, TRUE);
    SelectObject(source, sourceOld);
    SelectPalette(work, workOldPal, TRUE);
    SelectObject(work, workOld);
    DeleteObject(maskBmp);
    DeleteObject(sourceBmp);
    DeleteObject(workBmp);
    DeleteDC(mask);
    DeleteDC(source);
    DeleteDC(work);
    ReleaseDC(nullptr, screen);
    if (ownPalette) DeleteObject(ownPalette);
}

}  // namespace mirelo::win32
