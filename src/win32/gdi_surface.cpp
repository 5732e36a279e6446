#include "win32/gdi_surface.h"

#include <algorithm>
#include <utility>

#include "base/error.h"
#include "win32/gdi_font.h"
#include "win32/pc_memdc.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

namespace {

constexpr int kTwipsPerPixel = 15;
// A new control is 3030 x 2265 twips.
constexpr int kInitialWidth = 3030 / kTwipsPerPixel;
constexpr int kInitialHeight = 2265 / kTwipsPerPixel;

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The pen and brush selected for one drawing call, put back afterwards.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

void GdiSurface::Bitmap::Create(int w, int h) {
    image.Free();
    width = std::max(w, 1);
    height = std::max(h, 1);
    // A DIB: the same pixels whatever the display depth.
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    image = BitmapDC(nullptr, CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
}

GdiSurface::GdiSurface() {
    hfont_ = CreateGdiFont(font_);
    offscreen_.Create(kInitialWidth, kInitialHeight);
    Prepare(offscreen_.dc());
}

GdiSurface::~GdiSurface() {
    DetachWindow();
    offscreen_.image.Free();  // before the font it holds
    if (hfont_) DeleteObject(hfont_);
}

void GdiSurface::AttachWindow(HWND hwnd) {
    DetachWindow();
    hwnd_ = hwnd;
    redraw_ = true;  // a new window paints until its host says otherwise
    windowDc_ = GetDC(hwnd);
    Prepare(windowDc_);
    WindowResized();
}

void GdiSurface::WindowResized() {
    RECT rc = {};
    if (hwnd_) GetClientRect(hwnd_, &rc);
    client_ = {rc.right - rc.left, rc.bottom - rc.top};
}

void GdiSurface::DetachWindow() {
    if (!hwnd_) return;
    RECT rc = {};
    GetClientRect(hwnd_, &rc);
    // The font must not stay selected into a DC that outlives this surface.
    SelectObject(windowDc_, GetStockObject(SYSTEM_FONT));
    ReleaseDC(hwnd_, windowDc_);
    hwnd_ = nullptr;
    windowDc_ = nullptr;
    SetOffscreenSize(rc.right - rc.left, rc.bottom - rc.top);
}

void GdiSurface::SetOffscreenSize(int width, int height) {
    if (hwnd_ || (width == offscreen_.width && height == offscreen_.height)) return;
    offscreen_.Create(width, height);
    Prepare(offscreen_.dc());
}

HDC GdiSurface::Dc() const {
    if (redirect_) return redirect_;
    return hwnd_ ? windowDc_ : offscreen_.dc();
}

HDC GdiSurface::Target() {
    if (redirect_) return redirect_;
    ++drawings_;
    if (!hwnd_) return offscreen_.dc();
    return redraw_ ? windowDc_ : nullptr;
}

bool GdiSurface::StartPaint() {
    if (!redirect_) ++drawings_;
    // Without a window nobody sees the off-screen bitmap: whoever wants the
    // control's picture has a frame drawn afresh (RenderTo).
    return redirect_ || (hwnd_ && redraw_);
}

void GdiSurface::Prepare(HDC dc) {
    SelectObject(dc, hfont_);
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColor_ & 0xFFFFFF);
}

void GdiSurface::RenderTo(HDC target, const RECT& bounds) {
    Bitmap frame;
    frame.Create(ScaleWidth(), ScaleHeight());
    Prepare(frame.dc());
    redirect_ = frame.dc();
    try {
        if (paint_) paint_();
    } catch (...) {
        // A frame that failed half-way is still worth showing.
    }
    redirect_ = nullptr;
    SetStretchBltMode(target, COLORONCOLOR);
    ::StretchBlt(target, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 frame.dc(), 0, 0, frame.width, frame.height, SRCCOPY);
    SelectObject(frame.dc(), GetStockObject(SYSTEM_FONT));
}

int32_t GdiSurface::ScaleWidth() const { return hwnd_ ? client_.cx : offscreen_.width; }

int32_t GdiSurface::ScaleHeight() const { return hwnd_ ? client_.cy : offscreen_.height; }

// The control has no border of its own: its outer size is its client size.
double GdiSurface::HeightTwips() const { return static_cast<double>(ScaleHeight()) * kTwipsPerPixel; }

void GdiSurface::SetFont(const FontDesc& f) {
    HFONT next = CreateGdiFont(f);
    if (!next) Raise(kInvalidPropertyValue);
    font_ = f;
    ForgetExtents();
    lineHeight_ = -1;
    HFONT old = std::exchange(hfont_, next);
    SelectObject(offscreen_.dc(), hfont_);
    if (windowDc_) SelectObject(windowDc_, hfont_);
    if (redirect_) SelectObject(redirect_, hfont_);
    if (old) DeleteObject(old);
}

void GdiSurface::SetDrawWidth(int16_t w) {
    if (w < 1) Raise(kInvalidPropertyValue);
    drawWidth_ = w;
}

int32_t GdiSurface::FillRect(const Rect& r, BrushHandle brush) {
    RECT rc = ToRect(r);
    HDC dc = Target();
    return dc ? ::FillRect(dc, &rc, reinterpret_cast<HBRUSH>(brush)) : 1;
}

void GdiSurface::SetTextColor(OleColor rgb) {
    textColor_ = rgb;
    ::SetTextColor(Dc(), rgb & 0xFFFFFF);
}

HPEN GdiSurface::MakePen(OleColor rgb) const { return CreatePen(PS_SOLID, drawWidth_, rgb & 0xFFFFFF); }

void GdiSurface::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) {
    HDC dc = Target();
    if (!dc) return;
    if (drawWidth_ == 1 && (x1 == x2 || y1 == y2)) {
        // The row separators and the border line: a one-pixel pen along an
        // axis covers exactly the rectangle between the end points, both
        // included, and filling it costs half of making, selecting and
        // dropping a pen under Wine.
        RECT rc = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
        HBRUSH brush = CreateSolidBrush(rgb & 0xFFFFFF);
        ::FillRect(dc, &rc, brush);
        DeleteObject(brush);
        return;
    }
    HPEN pen = MakePen(rgb);
    {
        Selected keep(dc, pen);
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
        // LineTo stops short of its end point; a wide pen's round cap covers it.
        if (drawWidth_ == 1) SetPixelV(dc, x2, y2, rgb & 0xFFFFFF);
    }
    DeleteObject(pen);
}

void GdiSurface::Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) {
    HDC dc = Target();
    if (!dc) return;
    HPEN pen = MakePen(rgb);
    {
        Selected keepPen(dc, pen);
        Selected keepBrush(dc, GetStockObject(NULL_BRUSH));
        // Rectangle leaves out the right and bottom edges; both corners belong to the box.
        Rectangle(dc, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1);
    }
    DeleteObject(pen);
}

void GdiSurface::Cls() {
    HDC dc = Target();
    if (!dc) return;
    HBRUSH brush = CreateSolidBrush(back_ & 0xFFFFFF);
    RECT rc = {0, 0, ScaleWidth(), ScaleHeight()};
    ::FillRect(dc, &rc, brush);
    DeleteObject(brush);
}

void GdiSurface::Print(int32_t x, int32_t y, const Text& text) {
    if (HDC dc = Target()) TextOutW(dc, x, y, Wide(text), static_cast<int>(text.size()));
}

void GdiSurface::DrawFocusRect(const Rect& r) {
    RECT rc = ToRect(r);
    if (HDC dc = Target()) ::DrawFocusRect(dc, &rc);
}

void GdiSurface::StretchBlt(int32_t xDst, int32_t yDst, int32_t wDst, int32_t hDst, MemDC& src, int32_t xSrc,
                            int32_t ySrc, int32_t wSrc, int32_t hSrc) {
    auto* source = dynamic_cast<pcMemDC*>(&src);
    HDC dc = Target();
    if (!source || !dc) return;
    SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, xDst, yDst, wDst, hDst, source->hdc(), xSrc, ySrc, wSrc, hSrc, SRCCOPY);
}

bool GdiSurface::DrawIconImage(const uint8_t* bytes, size_t length, int32_t x, int32_t y, int32_t w,
                               int32_t h) {
    if (!bytes || length == 0) return false;
    HDC dc = Target();
    if (!dc) return true;  // as drawn: the same bytes drew before and will again
    HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(bytes), static_cast<DWORD>(length), TRUE,
                                          0x00030000, w, h, LR_DEFAULTCOLOR);
    if (!icon) return false;
    const BOOL drawn = DrawIconEx(dc, x, y, icon, w, h, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    return drawn != FALSE;
}

void GdiSurface::Refresh() {
    if (hwnd_) {
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    } else if (paint_) {
        paint_();
    }
}

}  // namespace mirelo::win32
