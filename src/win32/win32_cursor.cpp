#include "win32/win32_cursor.h"

#include <windows.h>

namespace mirelo::win32 {

namespace {
HWND ToHwnd(HWnd h) { return reinterpret_cast<HWND>(static_cast<intptr_t>(h)); }
HWnd FromHwnd(HWND h) { return static_cast<HWnd>(reinterpret_cast<intptr_t>(h)); }
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

}  // namespace mirelo::win32
