#pragma once
// The control's drawing surface on GDI. While the control is in place it draws
// on its own window (a class DC, so the font and colours stay selected between
// paints); before that, and for clients that never show it, it draws on an
// off-screen bitmap of the control's extent, so every operation works without
// a container. A container may also ask for one frame on a device context of
// its own (IViewObject::Draw): the paint handler then runs on a bitmap that is
// copied out afterwards.
#include <windows.h>

#include <deque>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "platform/surface.h"
#include "win32/bitmap_dc.h"

namespace mirelo::win32 {

class GdiSurface : public Surface {
public:
    GdiSurface();
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    // What Refresh runs when there is no window to send a paint message to.
    void SetPaintHandler(std::function<void()> handler) { paint_ = std::move(handler); }

    // The platform side: where the drawing goes.
    void AttachWindow(HWND hwnd);  // a CS_OWNDC window of the control
    // The window's WM_SIZE: its client size is read again.
    void WindowResized();
    void DetachWindow();           // back to the off-screen bitmap, at the window's last size
    void SetOffscreenSize(int width, int height);  // pixels; ignored while a window is attached
    // Runs the paint handler on a bitmap of the current size and copies the
    // result into `bounds` of `target` (stretched if the sizes differ).
    void RenderTo(HDC target, const RECT& bounds);
    HDC Dc() const;
    // A host turned the window's painting off (WM_SETREDRAW FALSE) or on
    // again: while it is off nothing is drawn on the window, and everything
    // else (measuring, the list's own state) goes on as before.
    void SetRedraw(bool on) { redraw_ = on; }
    // How many drawing operations the control has made on its own picture
    // (not on a frame for RenderTo): a change means the picture changed.
    uint64_t Drawings() const { return drawings_; }

    // Surface.
    int32_t ScaleWidth() const override;
    int32_t ScaleHeight() const override;
    double HeightTwips() const override;
    OleColor BackColor() const override { return back_; }
    void SetBackColor(OleColor c) override { back_ = c; }
    const FontDesc& Font() const override { return font_; }
    void SetFont(const FontDesc& f) override;
    int16_t DrawWidth() const override { return drawWidth_; }
    void SetDrawWidth(int16_t w) override;
    intptr_t hWnd() const override { return reinterpret_cast<intptr_t>(hwnd_); }

    int32_t FillRect(const Rect& r, BrushHandle brush) override;
    void SetTextColor(OleColor rgb) override;
    int32_t DrawText(std::u16string_view text, const Rect& r, uint32_t format) override;
    double TextWidth(std::u16string_view text) override;
    double TextHeight(std::u16string_view text) override;
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) override;
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) override;
    void Cls() override;
    void Print(int32_t x, int32_t y, const Text& text) override;
    void DrawFocusRect(const Rect& r) override;
    void StretchBlt(int32_t xDst, int32_t yDst, int32_t wDst, int32_t hDst, MemDC& src, int32_t xSrc,
                    int32_t ySrc, int32_t wSrc, int32_t hSrc) override;
    bool DrawIconImage(const uint8_t* bytes, size_t length, int32_t x, int32_t y, int32_t w,
                       int32_t h) override;
    void Refresh() override;
    bool StartPaint() override;

private:
    // An off-screen 32-bit bitmap of at least 1 x 1 with its own memory DC.
    struct Bitmap {
        BitmapDC image;
        int width = 0, height = 0;
        void Create(int w, int h);
        HDC dc() const { return image.dc(); }
    };

    void Prepare(HDC dc);  // selects the font, text colour and transparent mode
    // Where the next drawing operation goes, counted; null when it is not to
    // be drawn at all.
    HDC Target();
    HPEN MakePen(OleColor rgb) const;
    SIZE Extent(HDC dc, std::u16string_view text);
    void ForgetExtents();  // the font changed, or the cache is full
    int LineHeight(HDC dc);

    std::function<void()> paint_;
    HWND hwnd_ = nullptr;
    HDC windowDc_ = nullptr;
    // The window's client size, kept from its last WM_SIZE: rows ask for it
    // several times each, and under Wine every GetClientRect takes about half
    // a microsecond, three a row when a list is filled.
    SIZE client_ = {};
    Bitmap offscreen_;
    HDC redirect_ = nullptr;  // while RenderTo runs the paint handler
    bool redraw_ = true;
    uint64_t drawings_ = 0;

    FontDesc font_;
    HFONT hfont_ = nullptr;
    OleColor back_ = 0xFFFFFF;
    OleColor textColor_ = 0;
    int16_t drawWidth_ = 1;
    // Extents of texts in the current font. A row's cells are measured at
    // every repaint of the row, to see whether they fit and again to place
    // them, and each measurement is a trip into the font engine.
    // Looked up by view, so a cell or a prefix is found without a copy.
    std::unordered_map<std::u16string_view, SIZE> extents_;
    std::deque<Text> extentTexts_;  // what the keys view
    int lineHeight_ = -1;  // the font's height, -1 until asked
};

}  // namespace mirelo::win32
