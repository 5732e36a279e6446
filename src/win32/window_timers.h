#pragma once
// Window timers on user32: WM_TIMER to the window, the id in wParam.
#include "platform/timers.h"
#include "win32/hwnd.h"

namespace mirelo::win32 {

class WindowTimers : public Timers {
public:
    void SetTimer(HWnd hWnd, int32_t id, int32_t intervalMs) override {
        ::SetTimer(ToHwnd(hWnd), static_cast<UINT_PTR>(id), static_cast<UINT>(intervalMs), nullptr);
    }
    void KillTimer(HWnd hWnd, int32_t id) override { ::KillTimer(ToHwnd(hWnd), static_cast<UINT_PTR>(id)); }
};

}  // namespace mirelo::win32
