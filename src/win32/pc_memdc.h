#pragma once
// pcMemDC: an off-screen device context with a bitmap of its own that only
// grows. It is loaded from a bitmap (a picture's handle or a bitmap resource of
// the module) and copied out plainly, stretched, or colour-keyed on magenta.
// The list keeps its check box strip in one, the scroll bar painter its skins.
#include <windows.h>

#include "platform/memdc.h"
#include "win32/bitmap_dc.h"

namespace mirelo::win32 {

class pcMemDC : public MemDC {
public:
    // Bitmap resources are looked up in `module` (the component's own).
    explicit pcMemDC(HMODULE module);
    ~pcMemDC() override;
    pcMemDC(const pcMemDC&) = delete;
    pcMemDC& operator=(const pcMemDC&) = delete;

    // A larger width or height recreates the surface (its content is lost);
    // a smaller or equal one changes nothing.
    int32_t Width() const { return width_; }
    void SetWidth(int32_t w);
    int32_t Height() const { return height_; }
    void SetHeight(int32_t h);
    bool CreateFromResource(const Text& name) override;

    // What the control's surface and the paint contexts copy from.
    HDC hdc() const { return surface_.dc(); }

    // Grows to the bitmap's size and copies it in at (0, 0); the bitmap is
    // left as it was. False when the handle is no bitmap or the surface
    // could not be made.
    bool CreateFromPicture(HBITMAP sPic);
    // A size below 1 means the whole surface. UseMask: pixels of the surface
    // that are magenta leave the destination unchanged.
    void Draw(HDC hdc, int32_t xSrc, int32_t ySrc, int32_t WidthSrc, int32_t HeightSrc, int32_t xDst,
              int32_t yDst, bool UseMask) const;
    // Destination first, then source (the other way round from Draw).
    void StretchDraw(HDC hdc, int32_t xDst, int32_t yDst, int32_t WidthDst, int32_t HeightDst, int32_t xSrc,
                     int32_t ySrc, int32_t WidthSrc, int32_t HeightSrc) const;

private:
    void CreateSurface(int32_t width, int32_t height);
    void FreeSurface();

    HMODULE module_;
    BitmapDC surface_;
    int32_t width_ = 0, height_ = 0;
};

}  // namespace mirelo::win32
