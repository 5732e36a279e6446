#include "win32/window_timers.h"

#include <windows.h>

namespace mirelo::win32 {

namespace {
HWND ToHwnd(HWnd h) { return reinterpret_cast<HWND>(static_cast<intptr_t>(h)); }
}  // namespace

void WindowTimers::SetTimer(HWnd hWnd, int32_t id, int32_t intervalMs) {
    ::SetTimer(ToHwnd(hWnd), static_cast<UINT_PTR>(id), static_cast<UINT>(intervalMs), nullptr);
}

void WindowTimers::KillTimer(HWnd hWnd, int32_t id) { ::KillTimer(ToHwnd(hWnd), static_cast<UINT_PTR>(id)); }

}  // namespace mirelo::win32
