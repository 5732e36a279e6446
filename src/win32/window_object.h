#pragma once
// What the library's window classes share. Each window serves one object,
// handed over as the creation parameter and kept in the window's user data
// from WM_NCCREATE to WM_NCDESTROY; messages before and after go to
// DefWindowProc. A run-time error inside a handler has no caller to go to:
// the message is taken as handled and the window carries on.
#include <windows.h>

namespace mirelo::win32 {

class WindowObject {
public:
    WindowObject() = default;
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;

    HWND Handle() const { return hwnd_; }

protected:
    ~WindowObject() = default;

    // Registers the class `name` of `instance` with the shared procedure. One
    // left behind by an earlier load of the module (at another address) is
    // replaced; one registered by this load is taken as it is.
    static bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, UINT style, HCURSOR cursor,
                                    HBRUSH background = nullptr);
    // Creates a window of a class registered above, serving this object.
    void Create(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y, int width,
                int height, HWND parent, HINSTANCE instance);

    virtual LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // WM_NCDESTROY, after the window let go of the object (which may delete itself here).
    virtual void WindowGone() {}

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

}  // namespace mirelo::win32
