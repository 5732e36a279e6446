#pragma once
// Window timers: identified per window by number, delivered as WM_TIMER with
// the id in wParam. Setting a running id restarts it with the new interval.
#include <cstdint>

#include "platform/window.h"

namespace mirelo {

class Timers {
public:
    virtual ~Timers() = default;
    virtual void SetTimer(HWnd hWnd, int32_t id, int32_t intervalMs) = 0;
    virtual void KillTimer(HWnd hWnd, int32_t id) = 0;
};

}  // namespace mirelo
