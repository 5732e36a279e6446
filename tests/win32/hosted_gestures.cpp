#include "hosted_gestures.h"

namespace mltest {

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

struct Narrowest {
    HWND found = nullptr;
    LONG width = 0;
};

BOOL CALLBACK TakeNarrower(HWND child, LPARAM param) {
    auto* best = reinterpret_cast<Narrowest*>(param);
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    RECT rc;
    if (lstrcmpW(name, L"MireloListPictureBox") != 0 || !IsWindowVisible(child) || !GetWindowRect(child, &rc))
        return TRUE;
    if (!best->found || rc.right - rc.left < best->width) *best = {child, rc.right - rc.left};
    return TRUE;
}

}  // namespace

HWND BorderMarker(HWND list) {
    Narrowest best;
    EnumChildWindows(list, TakeNarrower, reinterpret_cast<LPARAM>(&best));
    return best.found;
}

int FindBorderGap(HWND list) {
    RECT client;
    GetClientRect(list, &client);
    for (int x = 0; x < client.right; ++x) {
        SendMessageW(list, WM_MOUSEMOVE, 0, At(x, kHeaderY));
        if (BorderMarker(list)) return x;
    }
    return -1;
}

bool DragBorder(HWND list, int gapX, int dx) {
    SendMessageW(list, WM_MOUSEMOVE, 0, At(gapX, kHeaderY));
    HWND marker = BorderMarker(list);
    if (!marker) return false;
    SendMessageW(marker, WM_MOUSEMOVE, 0, At(0, 5));
    SendMessageW(marker, WM_LBUTTONDOWN, MK_LBUTTON, At(0, 5));
    SendMessageW(marker, WM_MOUSEMOVE, MK_LBUTTON, At(dx, 5));
    // The line follows the pointer, so the release is on it again.
    SendMessageW(marker, WM_LBUTTONUP, 0, At(0, 5));
    return true;
}

void Click(HWND list, int x, int y) {
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageW(list, WM_LBUTTONUP, 0, At(x, y));
}

void DoubleClick(HWND list, int x, int y) {
    Click(list, x, y);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, At(x, y));
    SendMessageW(list, WM_LBUTTONUP, 0, At(x, y));
}

void Drag(HWND list, int fromX, int toX, int y) {
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, At(fromX, y));
    SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, At((fromX + toX) / 2, y));
    SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, At(toX, y));
    SendMessageW(list, WM_LBUTTONUP, 0, At(toX, y));
}

void Wheel(HWND list, int x, int y, int notches) {
    POINT p = {x, y};
    ClientToScreen(list, &p);  // the wheel's position comes in screen pixels
    const WPARAM delta = MAKEWPARAM(0, static_cast<WORD>(-notches * WHEEL_DELTA));
    SendMessageW(list, WM_MOUSEWHEEL, delta, At(p.x, p.y));
}

void Key(HWND list, UINT vk) {
    SendMessageW(list, WM_KEYDOWN, vk, 1);
    SendMessageW(list, WM_KEYUP, vk, 0xC0000001);
}

}  // namespace mltest
