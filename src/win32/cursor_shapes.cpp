#include "win32/cursor_shapes.h"

#include "win32/wide_text.h"

namespace mirelo::win32 {

namespace {
HCURSOR ToCursor(CursorHandle c) { return reinterpret_cast<HCURSOR>(c); }
CursorHandle FromCursor(HCURSOR c) { return reinterpret_cast<CursorHandle>(c); }
}  // namespace

CursorHandle CursorShapesWin::GetCursor() {
    // A host created without any pointer shown would otherwise have every
    // gesture end with the pointer gone: the arrow is the one to come back to.
    HCURSOR current = ::GetCursor();
    return FromCursor(current ? current : ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

CursorHandle CursorShapesWin::SetCursor(CursorHandle cursor) { return FromCursor(::SetCursor(ToCursor(cursor))); }

CursorHandle CursorShapesWin::LoadCursorFromFile(const Text& fileName) {
    return FromCursor(::LoadCursorFromFileW(Wide(fileName)));
}

CursorHandle CursorShapesWin::LoadCursor(const Text& resourceName) {
    // Shared: the system keeps one copy per module and it is never destroyed.
    return FromCursor(static_cast<HCURSOR>(
        ::LoadImageW(module_, Wide(resourceName), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED)));
}

void CursorShapesWin::DestroyCursor(CursorHandle cursor) { ::DestroyCursor(ToCursor(cursor)); }

}  // namespace mirelo::win32
