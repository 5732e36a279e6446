#include "win32/gdi_surface_text.h"

namespace mirelo::win32 {

namespace {
constexpr size_t kLineBuffer = 1024;  // DrawTextW's own line buffer
}

bool IsPlainLine(const Text& text, uint32_t format) {
    if ((format & ~static_cast<uint32_t>(DT_CENTER | DT_RIGHT)) != 0) return false;
    if (text.size() > kLineBuffer) return false;
    for (const char16_t c : text)
        if (c < 0x20 || c == u'&') return false;
    return true;
}

int PlainLineLeft(const RECT& r, int width, uint32_t format) {
    // Centre wins over right when both are asked for; the division truncates
    // as DrawTextW's does.
    if (format & DT_CENTER) return (r.left + r.right - width) / 2;
    if (format & DT_RIGHT) return r.right - width;
    return r.left;
}

}  // namespace mirelo::win32
