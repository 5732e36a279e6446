#include "win32/win32_cursor.h"

#include "win32/hwnd.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

namespace {
HCURSOR ToCursor(CursorHandle c) { return reinterpret_cast<HCURSOR>(c); }
CursorHandle FromCursor(HCURSOR c) { return reinterpret_cast<CursorHandle>(c); }
}  // namespace

Point SystemCursor::GetCursorPos() {
    POINT p = {0, 0};
    ::GetCursorPos(&p);
    return Point{p.x, p.y};
}

Point SystemCursor::ScreenToClient(HWnd hWnd, Point screen) {
    POINT p = {screen.x, screen.y};
    ::ScreenToClient(ToHwnd(hWnd), &p);
    return Point{p.x, p.y};
}

HWnd SystemCursor::WindowFromPoint(Point screen) { return FromHwnd(::WindowFromPoint(POINT{screen.x, screen.y})); }

void SystemCursor::mouse_event(uint32_t flags, int32_t dx, int32_t dy, int32_t data, uint32_t extra) {
    ::mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), static_cast<DWORD>(data),
                  static_cast<ULONG_PTR>(extra));
}

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
