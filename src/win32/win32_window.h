#pragma once
// A child window of user32 seen through the core's Window port. While it
// moves or shows the window on the core's behalf it says so (Applying), so
// that the window's own procedure can tell those changes from ones made by
// anybody else and report only the latter back to the core.
#include <windows.h>

#include "platform/window.h"
#include "win32/win32_dc.h"

namespace mirelo::win32 {

class ChildWindowPort : public Window {
public:
    explicit ChildWindowPort(HWND hwnd) : hwnd_(hwnd) {}

    HWnd hWnd() const override;
    bool IsWindowEnabled() const override;
    void EnableWindow(bool enable) override;
    void ShowWindow(bool show) override;
    void MoveWindow(int32_t left, int32_t top, int32_t width, int32_t height) override;
    Rect GetClientRect() const override;
    void InvalidateRect(bool erase) override;
    DeviceContext& BeginPaint() override;
    void EndPaint() override;

    bool Applying() const { return applying_ > 0; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_ = {};
    HdcContext paintDc_;
    int applying_ = 0;  // our moves and shows under way
};

}  // namespace mirelo::win32
