#include "win32/pc_memdc.h"

#include "base/color.h"

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

}  // namespace mirelo::win32
