#include "hosted_gestures.h"

#include <algorithm>
#include <vector>

namespace mltest {

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

BOOL CALLBACK TakeShown(HWND child, LPARAM param) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (lstrcmpW(name, L"MireloListPictureBox") == 0 && IsWindowVisible(child))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

// The shown picture boxes over the list, narrowest first.
std::vector<HWND> ShownPictureBoxes(HWND list) {
    std::vector<HWND> shown;
    EnumChildWindows(list, TakeShown, reinterpret_cast<LPARAM>(&shown));
    auto width = [](HWND w) {
        RECT rc;
        GetWindowRect(w, &rc);
        return rc.right - rc.left;
    };
    std::stable_sort(shown.begin(), shown.end(), [&](HWND a, HWND b) { return width(a) < width(b); });
    return shown;
}

}  // namespace

HWND BorderMarker(HWND list) {
    const std::vector<HWND> shown = ShownPictureBoxes(list);
    return shown.empty() ? nullptr : shown.front();
}

HWND StillPicture(HWND list) {
    const std::vector<HWND> shown = ShownPictureBoxes(list);
    return shown.size() == 2 ? shown.back() : nullptr;
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

bool DragBorder(HWND list, int gapX, int dx, const std::function<void(HWND marker)>& pressed) {
    SendMessageW(list, WM_MOUSEMOVE, 0, At(gapX, kHeaderY));
    HWND marker = BorderMarker(list);
    if (!marker) return false;
    SendMessageW(marker, WM_MOUSEMOVE, 0, At(0, 5));
    SendMessageW(marker, WM_LBUTTONDOWN, MK_LBUTTON, At(0, 5));
    SendMessageW(marker, WM_MOUSEMOVE, MK_LBUTTON, At(dx, 5));
    if (pressed) pressed(marker);
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
