#pragma once
// The control's font description as a GDI font.
#include <windows.h>

#include "platform/font.h"

namespace mirelo::win32 {

// Point size to a character height in pixels of the screen (negative, as
// LOGFONT asks for a character height rather than a cell height).
LONG FontHeightPixels(double points);
HFONT CreateGdiFont(const FontDesc& f);

}  // namespace mirelo::win32
