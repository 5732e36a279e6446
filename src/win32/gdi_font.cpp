#include "win32/gdi_font.h"

#include <algorithm>

#include "base/numeric.h"

namespace mirelo::win32 {

int ScreenDpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi;
}

HFONT CreateGdiFont(const FontDesc& f) {
    LOGFONTW lf = {};
    // Points to pixels of the screen, negative: a character height rather than a cell height.
    lf.lfHeight = -ToInt32(f.size * ScreenDpi(LOGPIXELSY) / 72.0);
    lf.lfWeight = f.weight;
    lf.lfItalic = f.italic;
    lf.lfUnderline = f.underline;
    lf.lfStrikeOut = f.strikethrough;
    lf.lfCharSet = static_cast<BYTE>(f.charset);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const size_t n = std::min<size_t>(f.name.size(), LF_FACESIZE - 1);
    std::copy_n(f.name.begin(), n, lf.lfFaceName);
    lf.lfFaceName[n] = 0;
    return CreateFontIndirectW(&lf);
}

}  // namespace mirelo::win32
