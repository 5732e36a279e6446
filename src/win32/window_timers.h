#pragma once
// Window timers on user32: WM_TIMER to the window, the id in wParam.
#include "platform/timers.h"

namespace mirelo::win32 {

class WindowTimers : public Timers {
public:
    void SetTimer(HWnd hWnd, int32_t id, int32_t intervalMs) override;
    void KillTimer(HWnd hWnd, int32_t id) override;
};

}  // namespace mirelo::win32
