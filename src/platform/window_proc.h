#pragma once
// Window procedure replacement. The platform installs one procedure of the
// library on a window and routes that window's messages to a MessageTarget;
// the procedure it replaced is handed back as an opaque address so that it can
// be called for the messages and put back exactly when the hook goes.
#include <cstdint>

#include "platform/window.h"

namespace mirelo {

using WndProcAddress = uint32_t;

class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    virtual int32_t WindowProc(HWnd hWnd, int32_t uMsg, int32_t wParam, int32_t lParam) = 0;
};

class WindowProcPort {
public:
    virtual ~WindowProcPort() = default;
    // SetWindowLong(GWL_WNDPROC) to the library's procedure bound to target;
    // returns the procedure that was installed before.
    virtual WndProcAddress ReplaceWndProc(HWnd hWnd, MessageTarget* target) = 0;
    // SetWindowLong(GWL_WNDPROC) back to a procedure returned above.
    virtual void RestoreWndProc(HWnd hWnd, WndProcAddress previous) = 0;
    virtual int32_t CallWindowProc(WndProcAddress previous, HWnd hWnd, int32_t uMsg, int32_t wParam,
                                   int32_t lParam) = 0;
};

}  // namespace mirelo
