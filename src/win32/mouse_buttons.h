#pragma once
// Mouse input as the form runtime reports it to a control's handlers.
#include <windows.h>

#include <cstdint>

namespace mirelo::win32 {

// Button arguments: 1 left, 2 right, 4 middle.
constexpr int16_t kLeft = 1, kRight = 2, kMiddle = 4;

// The Shift argument: 1 Shift, 2 Ctrl, 4 Alt, as held now. Read as one copy
// of the thread's key states: under Wine every GetKeyState is a round trip to
// the server, three for each key press and mouse move.
inline int16_t ShiftState() {
    BYTE keys[256];
    if (!GetKeyboardState(keys)) return 0;
    int16_t shift = 0;
    if (keys[VK_SHIFT] & 0x80) shift |= 1;
    if (keys[VK_CONTROL] & 0x80) shift |= 2;
    if (keys[VK_MENU] & 0x80) shift |= 4;
    return shift;
}

// The button of a press, double-click or release message.
inline int16_t ButtonOf(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP: return kLeft;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP: return kRight;
    default: return kMiddle;
    }
}

// The buttons a mouse message says are held.
inline int16_t HeldButtons(WPARAM wParam) {
    int16_t buttons = 0;
    if (wParam & MK_LBUTTON) buttons |= kLeft;
    if (wParam & MK_RBUTTON) buttons |= kRight;
    if (wParam & MK_MBUTTON) buttons |= kMiddle;
    return buttons;
}

}  // namespace mirelo::win32
