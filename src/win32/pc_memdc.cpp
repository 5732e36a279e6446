#include "win32/pc_memdc.h"

#include "base/color.h"
#include "win32/keyed_copy.h"

namespace mirelo::win32 {

namespace {

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
    surface_ = BitmapDC(display, CreateCompatibleBitmap(display, width, height));
    DeleteDC(display);
    if (!surface_.Ready()) return FreeSurface();
    width_ = width;
    height_ = height;
}

void pcMemDC::FreeSurface() {
    surface_.Free();
    width_ = 0;
    height_ = 0;
}

bool pcMemDC::CreateFromPicture(HBITMAP sPic) {
    BITMAP info{};
    if (!sPic || GetObjectA(sPic, sizeof info, &info) == 0) return false;
    SetWidth(info.bmWidth);
    SetHeight(info.bmHeight);
    if (!surface_.dc()) return false;
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!display) return false;
    bool copied = false;
    if (HDC temp = CreateCompatibleDC(display)) {
        HGDIOBJ old = SelectObject(temp, sPic);
        if (old && old != HGDI_ERROR) {
            copied = BitBlt(surface_.dc(), 0, 0, info.bmWidth, info.bmHeight, temp, 0, 0, SRCCOPY) != FALSE;
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
        TransparentCopy(hdc, xDst, yDst, w, h, surface_.dc(), xSrc, ySrc, kMagenta, nullptr);
    else
        BitBlt(hdc, xDst, yDst, w, h, surface_.dc(), xSrc, ySrc, SRCCOPY);
}

void pcMemDC::StretchDraw(HDC hdc, int32_t xDst, int32_t yDst, int32_t WidthDst, int32_t HeightDst, int32_t xSrc,
                          int32_t ySrc, int32_t WidthSrc, int32_t HeightSrc) const {
    StretchBlt(hdc, xDst, yDst, WidthDst, HeightDst, surface_.dc(), xSrc, ySrc, WholeIfEmpty(WidthSrc, width_),
               WholeIfEmpty(HeightSrc, height_), SRCCOPY);
}

}  // namespace mirelo::win32
