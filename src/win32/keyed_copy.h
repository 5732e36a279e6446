#pragma once
// Colour-keyed copies: destination pixels stay where the source pixel is the
// key colour. A copy composes in screen-compatible buffers and writes the
// destination once, so the visible surface does not flicker.
#include <windows.h>

#include "base/color.h"
#include "win32/bitmap_dc.h"

namespace mirelo::win32 {

// The buffers of keyed copies, kept from one copy to the next and grown to the
// largest. Under Wine every screen-compatible context or bitmap made asks the
// server about the display (three round trips each, a dozen a copy): made
// afresh, they were most of a scroll bar's paint.
class KeyedCopy {
public:
    // Colours are translated through `palette`; with none, a halftone palette
    // of the screen is made with the buffers.
    explicit KeyedCopy(HPALETTE palette = nullptr) : palette_(palette) {}
    ~KeyedCopy();
    KeyedCopy(const KeyedCopy&) = delete;
    KeyedCopy& operator=(const KeyedCopy&) = delete;

    // Copies a rectangle of `src` onto `dst`, leaving the destination where
    // the source is `key` (an OLE colour). Nothing is drawn if the buffers
    // cannot be made.
    void Copy(HDC dst, int32_t xDst, int32_t yDst, int32_t width, int32_t height, HDC src, int32_t xSrc,
              int32_t ySrc, OleColor key);

private:
    bool Reserve(int32_t width, int32_t height);
    void Free();

    HPALETTE palette_;
    bool ownPalette_ = false;
    BitmapDC work_, source_, mask_;  // the destination as it was, the source, the key's mask
    int32_t width_ = 0, height_ = 0;
};

// One keyed copy with buffers of its own.
void TransparentCopy(HDC dst, int32_t xDst, int32_t yDst, int32_t width, int32_t height, HDC src, int32_t xSrc,
                     int32_t ySrc, OleColor key, HPALETTE palette = nullptr);

}  // namespace mirelo::win32
