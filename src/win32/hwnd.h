#pragma once
// Windows cross the core's ports as HWnd numbers; on this side they are HWNDs.
#include <windows.h>

#include <cstdint>

#include "platform/window.h"

namespace mirelo::win32 {

inline HWND ToHwnd(HWnd h) { return reinterpret_cast<HWND>(static_cast<intptr_t>(h)); }
inline HWnd FromHwnd(HWND h) { return static_cast<HWnd>(reinterpret_cast<intptr_t>(h)); }

}  // namespace mirelo::win32
