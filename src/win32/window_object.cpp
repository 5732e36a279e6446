#include "win32/window_object.h"

namespace mirelo::win32 {

bool WindowObject::RegisterWindowClass(HINSTANCE instance, const wchar_t* name, UINT style, HCURSOR cursor,
                                       HBRUSH background) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(instance, name, &wc)) {
        if (wc.lpfnWndProc == &WndProc) return true;
        UnregisterClassW(name, instance);
        wc = {};
        wc.cbSize = sizeof(wc);
    }
    wc.style = style;
    wc.lpfnWndProc = &WndProc;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

void WindowObject::Create(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                          int width, int height, HWND parent, HINSTANCE instance) {
    CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, nullptr, instance, this);
}

LRESULT CALLBACK WindowObject::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WindowObject*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->WindowGone();
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    try {
        return self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

}  // namespace mirelo::win32
