#pragma once
// The window-procedure port on user32. A hooked window runs one procedure of
// the library; a small per-window chain tells it which hook comes first and
// what each hook replaced, so that every hook can call what it replaced and
// the window gets its own procedure back, exactly, when the last hook goes.
//
// Hooks of the library on one window stack up and may go in any order. A
// subclass of someone else installed over them keeps working: it reaches the
// library's procedure, which enters the stack at its top. Hooking a window
// that carries such a subclass puts the new hook under it (the window's
// procedure is not taken from whoever holds it now).
#include <windows.h>

#include "platform/window_proc.h"

namespace mirelo::win32 {

class WindowProcHook : public WindowProcPort {
public:
    WndProcAddress ReplaceWndProc(HWnd hWnd, MessageTarget* target) override;
    void RestoreWndProc(HWnd hWnd, WndProcAddress previous) override;
    MsgParam CallWindowProc(WndProcAddress previous, HWnd hWnd, int32_t uMsg, MsgParam wParam,
                            MsgParam lParam) override;

    // How many hooks (still reachable) a window carries; 0 when none.
    static int LinkCount(HWND hwnd);
};

// The port keeps no state of its own (the chains belong to the windows), so
// every control of the component can share one.
WindowProcHook& SharedWindowProcHook();

}  // namespace mirelo::win32
