#pragma once
// The control's drawing surface: its window's client area and device context.
// Operations are named after the platform calls (or the form runtime's surface
// methods) they stand for. Coordinates are client pixels.
#include <cstdint>
#include <string_view>

#include "base/color.h"
#include "base/rect.h"
#include "base/text.h"
#include "platform/font.h"
#include "platform/gdi.h"

namespace mirelo {

class MemDC;

// DrawText format bits the control uses.
enum : uint32_t { DT_LEFT_ = 0, DT_CENTER_ = 1, DT_RIGHT_ = 2, DT_VCENTER_ = 4 };

class Surface {
public:
    virtual ~Surface() = default;

    // Size and state.
    virtual int32_t ScaleWidth() const = 0;   // client width, pixels
    virtual int32_t ScaleHeight() const = 0;  // client height, pixels
    virtual double HeightTwips() const = 0;   // the control's outer height, twips
    virtual OleColor BackColor() const = 0;
    virtual void SetBackColor(OleColor c) = 0;
    virtual const FontDesc& Font() const = 0;
    virtual void SetFont(const FontDesc& f) = 0;
    virtual int16_t DrawWidth() const = 0;      // pen width
    virtual void SetDrawWidth(int16_t w) = 0;   // 1..32767, else error 380
    virtual intptr_t hWnd() const = 0;          // 0 while the control has no window

    // Drawing.
    virtual int32_t FillRect(const Rect& r, BrushHandle brush) = 0;
    virtual void SetTextColor(OleColor rgb) = 0;
    // DrawText with a transparent background in the control's font. Returns
    // the height drawn, as the platform does. The texts are views (a pointer
    // and a length, not terminated): a row's cells and the prefixes the
    // shortening measures are parts of longer texts, drawn and measured in
    // place instead of copied for every paint.
    virtual int32_t DrawText(std::u16string_view text, const Rect& r, uint32_t format) = 0;
    virtual double TextWidth(std::u16string_view text) = 0;   // pixels, in the control's font
    virtual double TextHeight(std::u16string_view text) = 0;  // one line, pixels
    // A straight line in the given colour with the surface's pen width; like the
    // form runtime's Line, both end points are drawn.
    virtual void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) = 0;
    // A rectangle outline, both corners included, in the pen width.
    virtual void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, OleColor rgb) = 0;
    virtual void Cls() = 0;  // clear to BackColor
    virtual void Print(int32_t x, int32_t y, const Text& text) = 0;  // in the text colour
    virtual void DrawFocusRect(const Rect& r) = 0;
    // Copies (stretching when sizes differ) a rectangle of an off-screen surface.
    virtual void StretchBlt(int32_t xDst, int32_t yDst, int32_t wDst, int32_t hDst, MemDC& src, int32_t xSrc,
                            int32_t ySrc, int32_t wSrc, int32_t hSrc) = 0;
    // Draws an icon image (the bytes of one image of an icon file) at its own size.
    virtual bool DrawIconImage(const uint8_t* bytes, size_t length, int32_t x, int32_t y, int32_t w,
                               int32_t h) = 0;

    // Forces an immediate repaint, which runs the control's paint handler.
    virtual void Refresh() = 0;
    // A paint of the list begins, and the picture changes. False when
    // nothing drawn would show: a host turned the window's painting off
    // (WM_SETREDRAW), or there is no window and whoever wants the picture has
    // it drawn afresh. The list then only keeps the numbers its paints leave
    // behind.
    virtual bool StartPaint() { return true; }
};

}  // namespace mirelo
