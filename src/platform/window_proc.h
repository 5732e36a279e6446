#pragma once
// Window procedure replacement. The platform installs one procedure of the
// library on a window and routes that window's messages to a MessageTarget;
// the procedure it replaced is handed back as an opaque address so that it can
// be called for the messages and put back exactly when the hook goes.
//
// Addresses and the message parameters and result (WPARAM, LPARAM, LRESULT)
// are as wide as a pointer of the platform: 32 bits in the 32-bit component,
// 64 in the 64-bit one. The message number and the window handle stay 32-bit.
#include <cstdint>

#include "platform/window.h"

namespace mirelo {

using WndProcAddress = uintptr_t;
using MsgParam = intptr_t;

class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    virtual MsgParam WindowProc(HWnd hWnd, int32_t uMsg, MsgParam wParam, MsgParam lParam) = 0;
};

class WindowProcPort {
public:
    virtual ~WindowProcPort() = default;
    // SetWindowLongPtr(GWLP_WNDPROC) to the library's procedure bound to target;
    // returns the procedure that was installed before.
    virtual WndProcAddress ReplaceWndProc(HWnd hWnd, MessageTarget* target) = 0;
    // SetWindowLongPtr(GWLP_WNDPROC) back to a procedure returned above.
    virtual void RestoreWndProc(HWnd hWnd, WndProcAddress previous) = 0;
    virtual MsgParam CallWindowProc(WndProcAddress previous, HWnd hWnd, int32_t uMsg, MsgParam wParam,
                                    MsgParam lParam) = 0;
};

}  // namespace mirelo
