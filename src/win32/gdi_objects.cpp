#include "win32/gdi_objects.h"

#include <windows.h>

namespace mirelo::win32 {

BrushHandle GdiObjects::CreateSolidBrush(OleColor rgb) {
    return reinterpret_cast<BrushHandle>(::CreateSolidBrush(rgb & 0xFFFFFF));
}

BrushHandle GdiObjects::CreatePatternBrush(const uint8_t rows[8]) {
    // Monochrome bitmap rows are word aligned.
    WORD bits[8];
    for (int i = 0; i < 8; ++i) bits[i] = rows[i];
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, bits);
    HBRUSH brush = ::CreatePatternBrush(pattern);
    // The brush keeps its own copy of the pattern.
    ::DeleteObject(pattern);
    return reinterpret_cast<BrushHandle>(brush);
}

void GdiObjects::DeleteObject(BrushHandle brush) {
    if (brush) ::DeleteObject(reinterpret_cast<HGDIOBJ>(brush));
}

}  // namespace mirelo::win32
