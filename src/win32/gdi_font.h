#pragma once
// The control's font description as a GDI font.
#include <windows.h>

#include "platform/font.h"

namespace mirelo::win32 {

// Dots per inch of the screen along `axis` (LOGPIXELSX or LOGPIXELSY).
int ScreenDpi(int axis);
HFONT CreateGdiFont(const FontDesc& f);

}  // namespace mirelo::win32
